#include <set>
#include <utility>

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

// COD of the first ASIGNOMT row whose name matches; empty when none does.
std::string CodigoMateria(dbase::Table& asignomt, const std::string& nombre) {
  const std::string buscado = ClaveNombre(Izquierda(nombre, 80));
  for (asignomt.First(); !asignomt.Eof(); asignomt.Next()) {
    if (ClaveNombre(asignomt.GetText("NOMBRE")) == buscado) return asignomt.GetText("COD");
  }
  return {};
}

void AnadirAsignacion(dbase::Table& asigt, dbase::Table& grupost, const std::string& codigo,
                      const Materia& materia) {
  asigt.Append();
  asigt.SetText("CASIG", codigo);
  asigt.SetText("CGRUP", grupost.GetText("ABREV"));
  asigt.SetText("CAULA", "");
  asigt.SetText("TURNO", "");
  asigt.SetText("NIVEL", grupost.GetText("NIVEL"));
  asigt.SetText("CURSO", grupost.GetText("CURSO"));
  asigt.SetText("GRUPO", grupost.GetText("GRUPO"));
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

  // A record repeating an earlier (subject, offering) pair would double that offering's rows;
  // step 1 records such an offering once, and so does this step.
  std::set<std::pair<std::string, std::string>> ofertasVistas;
  for (const Registro& registro : contexto.Registros(GrupoDatos::Materias)) {
    const auto materia = LeerMateria(registro);
    if (!materia || !ofertasVistas.emplace(materia->materia, materia->oferta).second) continue;
    const std::string codigo = CodigoMateria(*asignomt, materia->nombre);
    if (codigo.empty()) continue;
    for (grupost->First(); !grupost->Eof(); grupost->Next()) {
      if (grupost->GetText("CLAVECURSO") == materia->oferta) {
        AnadirAsignacion(*asigt, *grupost, codigo, *materia);
      }
    }
  }
  asigt->Close();
  grupost.Cerrar();
  asignomt.Cerrar();
}

}  // namespace vadelto
