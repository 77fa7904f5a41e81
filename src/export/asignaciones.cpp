#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "export/materia.h"
#include "export/pasos.h"
#include "export/tabla_nueva.h"
#include "text/clipper.h"
#include "text/conversion.h"

namespace vadelto {
namespace {

// The names compare upper-cased in ASCII and trimmed, the subject's cut to ASIGNOMT's 80.
std::string ClaveNombre(std::string_view nombre) {
  return TrimEspacios(MayusculasAscii(nombre));
}

// Each name of ASIGNOMT, compared form, with the COD of the first row that has it.
std::unordered_map<std::string, std::string> CodigosPorNombre(dbase::Table& asignomt) {
  std::unordered_map<std::string, std::string> codigos;
  for (asignomt.First(); !asignomt.Eof(); asignomt.Next()) {
    codigos.try_emplace(ClaveNombre(asignomt.GetText("NOMBRE")), asignomt.GetText("COD"));
  }
  return codigos;
}

// COD of the first ASIGNOMT row whose name matches; empty when none does.
std::string CodigoMateria(const std::unordered_map<std::string, std::string>& codigos,
                          const std::string& nombre) {
  const auto encontrado = codigos.find(ClaveNombre(Izquierda(nombre, 80)));
  return encontrado == codigos.end() ? std::string() : encontrado->second;
}

// The GRUPOST values an assignment copies.
struct Grupo {
  std::string abrev, nivel, curso, grupo;
};

// GRUPOST's rows by CLAVECURSO, each course offering's in table order.
std::unordered_map<std::string, std::vector<Grupo>> GruposPorOferta(dbase::Table& grupost) {
  std::unordered_map<std::string, std::vector<Grupo>> grupos;
  for (grupost.First(); !grupost.Eof(); grupost.Next()) {
    grupos[grupost.GetText("CLAVECURSO")].push_back(
        {grupost.GetText("ABREV"), grupost.GetText("NIVEL"), grupost.GetText("CURSO"),
         grupost.GetText("GRUPO")});
  }
  return grupos;
}

void AnadirAsignacion(dbase::Table& asigt, const Grupo& grupo, const std::string& codigo,
                      const Materia& materia) {
  asigt.Append();
  asigt.SetText("CASIG", codigo);
  asigt.SetText("CGRUP", grupo.abrev);
  asigt.SetText("CAULA", "");
  asigt.SetText("TURNO", "");
  asigt.SetText("NIVEL", grupo.nivel);
  asigt.SetText("CURSO", grupo.curso);
  asigt.SetText("GRUPO", grupo.grupo);
  asigt.SetFloat("HORAS", 4.0);  // 240 minutes a week, in whole hours
  asigt.SetText("SESIONES", "1111");
  asigt.SetText("CLAVE", materia.materia);
  asigt.SetText("CLAVECURSO", materia.oferta);
  asigt.SetText("CTAREA", "1");
  asigt.Post();
}

}  // namespace

void CrearTablaAsignaciones(ContextoExportacion& contexto) {
  const auto asigt = RecrearYAbrir(contexto.carpetaTablas, TablaTrabajo::ASIGT);
  ComponenteTabla& grupost = contexto.componentes.wwTableGrupos;
  ComponenteTabla& asignomt = contexto.componentes.wwTableNomAsg;
  grupost.Abrir();
  asignomt.Abrir();
  const auto codigos = CodigosPorNombre(*asignomt);
  const auto grupos = GruposPorOferta(*grupost);

  // A record repeating an earlier (subject, offering) pair would double that offering's rows;
  // step 1 records such an offering once, and so does this step.
  std::set<std::pair<std::string, std::string>> ofertasVistas;
  for (const Registro& registro : contexto.Registros(GrupoDatos::Materias)) {
    const auto materia = LeerMateria(registro);
    if (!materia || !ofertasVistas.emplace(materia->materia, materia->oferta).second) continue;
    const std::string codigo = CodigoMateria(codigos, materia->nombre);
    if (codigo.empty()) continue;
    const auto deLaOferta = grupos.find(materia->oferta);
    if (deLaOferta == grupos.end()) continue;
    for (const Grupo& grupo : deLaOferta->second) AnadirAsignacion(*asigt, grupo, codigo, *materia);
  }
  asigt->Close();
  grupost.Cerrar();
  asignomt.Cerrar();
}

}  // namespace vadelto
