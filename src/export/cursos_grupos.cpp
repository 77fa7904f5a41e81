#include <unordered_map>

#include "export/pasos.h"
#include "export/tabla_nueva.h"
#include "text/clipper.h"
#include "text/conversion.h"

namespace vadelto {
namespace {

struct Curso {
  std::string nivel;
  std::string curso;
  std::string estud;
};

// Fills CURSOST from the course records, each with its level looked up in NIVELLARI.DBF.
void EscribirCursos(ContextoExportacion& contexto, dbase::Table& cursost) {
  ComponenteTabla& niveles = contexto.componentes.wwTableNIVELEX;
  niveles.Carpeta(contexto.sesion.CarpetaPrograma);
  niveles.Abrir();
  for (const Registro& registro : contexto.Registros(GrupoDatos::CursosDelCentro)) {
    if (!registro.Tiene(1)) continue;
    const std::string clave = registro.Recortado(0);
    std::string nivel = "Niv";
    std::string estudio;
    if (niveles->LocateInteger("X_OFERTAMATRIG", StrToInt(clave))) {
      nivel = niveles->GetText("NIVEL_ABREV");
      estudio = niveles->GetText("ESTUDIO");
    }
    if (nivel.empty()) nivel = "Niv";
    cursost.Append();
    cursost.SetText("CLAVE", clave);
    cursost.SetText("NIVEL", nivel);
    cursost.SetText("CURSO", Izquierda(registro.Recortado(1), 1));
    cursost.SetText("ESTUD", estudio);
    cursost.Post();
  }
  niveles.Cerrar();
}

// Each CLAVE of CURSOST, as stored, with the values of the first row that has it.
std::unordered_map<std::string, Curso> CursosPorClave(dbase::Table& cursost) {
  std::unordered_map<std::string, Curso> cursos;
  for (cursost.First(); !cursost.Eof(); cursost.Next()) {
    // Braces, not the parenthesised aggregate form, which clang 14 (the fuzz build) lacks.
    cursos.try_emplace(
        cursost.GetText("CLAVE"),
        Curso{cursost.GetText("NIVEL"), cursost.GetText("CURSO"), cursost.GetText("ESTUD")});
  }
  return cursos;
}

// The values of the course `claveCurso`; empty when CURSOST has no such CLAVE.
Curso BuscarCurso(const std::unordered_map<std::string, Curso>& cursos,
                  const std::string& claveCurso) {
  const auto encontrado = cursos.find(claveCurso);
  return encontrado == cursos.end() ? Curso{} : encontrado->second;
}

// The group's name without its blanks, at most 10 characters, the 10th being the name's last.
std::string CandidatoGrupo(const std::string& nombre) {
  std::string candidato;
  for (char c : nombre) {
    if (c == ' ') continue;
    candidato += c;
    if (candidato.size() == 10) {
      candidato.back() = nombre.back();
      break;
    }
  }
  return candidato;
}

}  // namespace

void CrearTablasCursosGrupos(ContextoExportacion& contexto) {
  const auto cursost = RecrearYAbrir(contexto.carpetaTablas, TablaTrabajo::CURSOST);
  const auto grupost = RecrearYAbrir(contexto.carpetaTablas, TablaTrabajo::GRUPOST);
  EscribirCursos(contexto, *cursost);
  const std::unordered_map<std::string, Curso> cursos = CursosPorClave(*cursost);

  CodigosEmitidos emitidos(CodigosEmitidos::Mayusculas::NoDistinguen, 10);
  for (const Registro& registro : contexto.Registros(GrupoDatos::Unidades)) {
    // A group without its course id (position 2) is skipped, as one with fewer positions is.
    if (!registro.Tiene(2)) continue;
    const std::string nombre = registro.Recortado(1);
    const std::string claveCurso = registro.Recortado(2);
    const Curso curso = BuscarCurso(cursos, claveCurso);
    const std::string grupo = Derecha(nombre, 1);
    grupost->Append();
    grupost->SetText("ABREV", emitidos.Emitir(CandidatoGrupo(nombre)));
    grupost->SetText("TURNO", "");
    grupost->SetText("NIVEL", curso.nivel);
    grupost->SetText("CURSO", curso.curso);
    grupost->SetText("GRUPO", grupo);
    grupost->SetText("CLAVE", registro.Recortado(0));
    grupost->SetText("CLAVECURSO", claveCurso);
    grupost->SetText("DESCRIP", curso.estud.empty()
                                    ? " " + curso.nivel + " " + curso.curso + " " + grupo
                                    : "(" + nombre + ") " + curso.estud);
    grupost->Post();
  }
  grupost->Close();
  cursost->Close();
}

}  // namespace vadelto
