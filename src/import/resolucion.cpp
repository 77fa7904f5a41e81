#include "import/resolucion.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "text/clipper.h"
#include "text/conversion.h"

namespace vadelto {
namespace {

using Clave = std::pair<std::string_view, std::string_view>;  // field, value

// Stands on the first row, in table order, whose fields all read back equal to the values.
bool PrimeraFila(dbase::Table& tabla, std::initializer_list<Clave> claves) {
  for (tabla.First(); !tabla.Eof(); tabla.Next()) {
    bool coincide = true;
    for (const auto& [campo, valor] : claves) {
      if (tabla.GetText(campo) != valor) {
        coincide = false;
        break;
      }
    }
    if (coincide) return true;
  }
  return false;
}

}  // namespace

ValoresActividad ResolverEntrada(TablasResolucion& tablas, const EntradaSoluc& entrada) {
  ValoresActividad valores;
  valores.actividad = entrada.tarea;

  if (PrimeraFila(tablas.asigt, {{"CASIG", entrada.asig}, {"CGRUP", entrada.codgrupo}})) {
    valores.materia = tablas.asigt.GetText("CLAVE");
    valores.oferta = tablas.asigt.GetText("CLAVECURSO");
  }

  if (TrimEspacios(valores.actividad).empty() &&
      PrimeraFila(tablas.asignomt, {{"COD", entrada.asig}})) {
    valores.actividad = tablas.asignomt.GetText("CODTAREA");
  }

  const std::string tramo = entrada.dia + IntToStr(entrada.hora);
  if (PrimeraFila(tablas.diashorast, {{"DIHO", tramo}})) {
    valores.dia = tablas.diashorast.GetText("DIA");
    valores.tramo = tablas.diashorast.GetText("CODDIHO");
    valores.horaDesde = tablas.diashorast.GetText("HORADESDE");
    valores.horaHasta = tablas.diashorast.GetText("HORAHASTA");
  }

  // Racima knows its rooms by its own ids: Horavel's room code goes back through AULAT,
  // and a room Horavel added (no AULAT row) keeps its code.
  valores.dependencia = entrada.aula;
  if (!TrimEspacios(entrada.aula).empty() && PrimeraFila(tablas.aulat, {{"ABREV", entrada.aula}})) {
    valores.dependencia = tablas.aulat.GetText("DEPCENTRO");
  }

  if (PrimeraFila(tablas.grupost, {{"ABREV", entrada.codgrupo}})) {
    valores.unidad = tablas.grupost.GetText("CLAVE");
    if (TrimEspacios(valores.oferta).empty()) valores.oferta = tablas.grupost.GetText("CLAVECURSO");
  }

  if (TrimEspacios(valores.materia).empty() &&
      PrimeraFila(tablas.asignomt2, {{"COD", entrada.asig}, {"OFERTAMATRI", valores.oferta}})) {
    valores.materia = tablas.asignomt2.GetText("MATERIA");
  }
  return valores;
}

}  // namespace vadelto
