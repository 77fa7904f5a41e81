#include "import/resolucion.h"

#include "text/clipper.h"
#include "text/conversion.h"

namespace vadelto {

ResolucionEntradas::ResolucionEntradas(const TablasResolucion& tablas)
    : asignacion_(tablas.asigt, {"CASIG", "CGRUP"}, {"CLAVE", "CLAVECURSO"}),
      tarea_(tablas.asignomt, {"COD"}, {"CODTAREA"}),
      tramo_(tablas.diashorast, {"DIHO"}, {"DIA", "CODDIHO", "HORADESDE", "HORAHASTA"}),
      aula_(tablas.aulat, {"ABREV"}, {"DEPCENTRO"}),
      grupo_(tablas.grupost, {"ABREV"}, {"CLAVE", "CLAVECURSO"}),
      materia_(tablas.asignomt2, {"COD", "OFERTAMATRI"}, {"MATERIA"}) {}

ValoresActividad ResolucionEntradas::Resolver(const EntradaSoluc& entrada) {
  ValoresActividad valores;
  valores.actividad = entrada.tarea;

  if (const auto fila = asignacion_.Buscar({entrada.asig, entrada.codgrupo})) {
    valores.materia = (*fila)[0];
    valores.oferta = (*fila)[1];
  }

  if (TrimEspacios(valores.actividad).empty()) {
    if (const auto fila = tarea_.Buscar({entrada.asig})) valores.actividad = (*fila)[0];
  }

  if (const auto fila = tramo_.Buscar({entrada.dia + IntToStr(entrada.hora)})) {
    valores.dia = (*fila)[0];
    valores.tramo = (*fila)[1];
    valores.horaDesde = (*fila)[2];
    valores.horaHasta = (*fila)[3];
  }

  // Racima knows its rooms by its own ids: Horavel's room code goes back through AULAT,
  // and a room Horavel added (no AULAT row) keeps its code.
  valores.dependencia = entrada.aula;
  if (!TrimEspacios(entrada.aula).empty()) {
    if (const auto fila = aula_.Buscar({entrada.aula})) valores.dependencia = (*fila)[0];
  }

  if (const auto fila = grupo_.Buscar({entrada.codgrupo})) {
    valores.unidad = (*fila)[0];
    if (TrimEspacios(valores.oferta).empty()) valores.oferta = (*fila)[1];
  }

  if (TrimEspacios(valores.materia).empty()) {
    if (const auto fila = materia_.Buscar({entrada.asig, valores.oferta})) {
      valores.materia = (*fila)[0];
    }
  }
  return valores;
}

}  // namespace vadelto
