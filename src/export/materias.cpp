#include <string>

#include "export/materia.h"
#include "export/pasos.h"
#include "export/tabla_nueva.h"
#include "text/clipper.h"
#include "text/conversion.h"

namespace vadelto {
namespace {

bool EsMayuscula(char c) {
  return c >= 'A' && c <= 'Z';
}

// The code made from the name: its capitals A to Z (after the first character when that is not
// one); when that gives one letter, the initials after the blanks or the first 6 characters.
std::string PrimeraForma(const std::string& nombre) {
  std::string codigo;
  if (!EsMayuscula(nombre.front())) codigo += nombre.front();
  codigo += SoloMayusculas(nombre);
  if (codigo.size() != 1) return codigo;
  if (nombre.find(' ') != std::string::npos) return nombre.front() + LetrasTrasEspacio(nombre, " ");
  return Izquierda(nombre, 6);
}

void AnadirFila(dbase::Table& tabla, const std::string& codigo, const std::string& largo,
                const std::string& nombre) {
  tabla.Append();
  tabla.SetText("COD", codigo);
  tabla.SetText("CODLARGO", largo);
  tabla.SetText("NOMBRE", nombre);
  tabla.SetBoolean("ESTAREA", false);
}

void AnadirOferta(dbase::Table& asignomt2, const std::string& codigo, const std::string& largo,
                  const Materia& materia) {
  AnadirFila(asignomt2, codigo, largo, materia.nombre);
  asignomt2.SetText("MATERIA", materia.materia);
  asignomt2.SetText("OFERTAMATRI", materia.oferta);
  asignomt2.Post();
}

}  // namespace

void CrearTablasMaterias(ContextoExportacion& contexto) {
  const auto asignomt = RecrearYAbrir(contexto.carpetaTablas, TablaTrabajo::ASIGNOMT);
  const auto asignomt2 = RecrearYAbrir(contexto.carpetaTablas, TablaTrabajo::ASIGNOMT2);
  ListasMaterias& listas = contexto.listas;

  for (const Registro& registro : contexto.Registros(GrupoDatos::Materias)) {
    const auto materia = LeerMateria(registro);
    if (!materia) continue;
    const std::string& nombre = materia->nombre;
    const std::string primera = PrimeraForma(nombre);
    const std::string largo = primera.size() < 5 ? Izquierda(nombre, 10) : primera;
    const std::string codigo = Izquierda(primera, 10);
    const std::string nombreMayusculas = MayusculasAscii(nombre);

    const bool conocida = listas.ListaNombres.contains(nombreMayusculas) &&
                          listas.ListaCodigosLargos.contains(largo) &&
                          listas.ListaCodigoNombre.contains(largo + nombre);
    if (conocida) {
      // A further offering of a subject already met: one more ASIGNOMT2 row, unless recorded.
      if (asignomt2->Locate("MATERIA;OFERTAMATRI", {materia->materia, materia->oferta})) continue;
      if (asignomt->Locate("CODLARGO;NOMBRE", {Izquierda(largo, 10), Izquierda(nombre, 80)})) {
        AnadirOferta(*asignomt2, asignomt->GetText("COD"), largo, *materia);
      }
      continue;
    }

    listas.ListaNombres.insert(nombreMayusculas);
    listas.ListaCodigosLargos.insert(largo);
    listas.ListaCodigoNombre.insert(largo + nombre);
    const std::string final = listas.ListaCodigos.Emitir(codigo);
    AnadirFila(*asignomt, final, largo, nombre);
    asignomt->Post();
    AnadirOferta(*asignomt2, final, largo, *materia);
  }
  asignomt->Close();
  asignomt2->Close();
}

}  // namespace vadelto
