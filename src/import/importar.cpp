#include "import/importar.h"

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/xml_document.h"
#include "export/diario_reemplazo.h"
#include "import/fecha.h"
#include "import/resolucion.h"
#include "import/resultado.h"
#include "tables/tablas_trabajo.h"
#include "text/clipper.h"
#include "text/conversion.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

std::string TextoRuta(const fs::path& ruta) {
  const std::u8string utf8 = ruta.u8string();
  return AnsiDesdeUtf8(std::string(utf8.begin(), utf8.end()));
}

// The hourglass while the import runs; the normal cursor again however it ends.
class RelojDeArena {
 public:
  explicit RelojDeArena(Interfaz& interfaz) : interfaz_(interfaz) { interfaz_.RelojDeArena(true); }
  ~RelojDeArena() { Quitar(); }
  void Quitar() {
    if (activo_) interfaz_.RelojDeArena(false);
    activo_ = false;
  }

 private:
  Interfaz& interfaz_;
  bool activo_ = true;
};

// The table components this import opened, closed in the order they were opened, also
// when the import ends early, so the tables are free for the next conversion.
class ComponentesAbiertos {
 public:
  ComponentesAbiertos() = default;
  ComponentesAbiertos(const ComponentesAbiertos&) = delete;
  ComponentesAbiertos& operator=(const ComponentesAbiertos&) = delete;
  ~ComponentesAbiertos() {
    for (ComponenteTabla* componente : abiertos_) {
      try {
        componente->Cerrar();
      } catch (...) {  // nothing was written to them; the error under way is the one to show
      }
    }
  }
  void Abrir(ComponenteTabla& componente) {
    componente.Abrir();
    abiertos_.push_back(&componente);
  }
  void Cerrar() {
    for (ComponenteTabla* componente : abiertos_) componente->Cerrar();
    abiertos_.clear();
  }

 private:
  std::vector<ComponenteTabla*> abiertos_;
};

// The academic year: the first four characters of the first child of BLOQUE_DATOS. A
// document without it cannot become a result document, so it is refused before anything.
std::string AnnoAcademico(const xml::Document& documento, const fs::path& ruta) {
  if (!documento.loaded()) throw Error(mensajes::DocumentoIlegible(TextoRuta(ruta)));
  const xml::Node bloque = documento.selectSingleNode("/SERVICIO/BLOQUE_DATOS");
  const xml::Node primero = bloque ? bloque.firstChild() : xml::Node();
  if (!primero) throw Error(mensajes::DocumentoSinAnnoAcademico(TextoRuta(ruta)));
  return Izquierda(AnsiDesdeUtf8(primero.text()), 4);
}

struct Periodo {
  std::string inicio;
  std::string fin;
};

Periodo LeerPeriodo(const fs::path& carpeta) {
  dbase::Table periodos(ArchivoTabla(carpeta, "PERIODOS.DBF"), RotuloTabla("PERIODOS.DBF"));
  periodos.Open(dbase::Access::Shared);
  Periodo periodo;
  periodos.First();
  if (!periodos.Eof()) periodo = {periodos.GetText("FECINI"), periodos.GetText("FECFIN")};
  periodos.Close();
  return periodo;
}

bool EsEntradaColocada(const dbase::Table& soluc) {
  return soluc.GetInteger("DIA") != 0;
}

EntradaSoluc LeerEntrada(const dbase::Table& soluc) {
  return {soluc.GetText("ASIG"), soluc.GetText("CODGRUPO"), soluc.GetText("TAREA"),
          soluc.GetText("AULA"), soluc.GetText("DIA"),      soluc.GetInteger("HORA")};
}

// One regular timetable per PROFT row, in table order, with the teacher's placed entries.
void LeerHorarios(ComponentesTablas& t, Resultado& resultado, const Periodo& periodo) {
  dbase::Table& soluc = *t.wwTableSoluc;
  dbase::Table& profesores = *t.wwTableProfesor;
  ResolucionEntradas resolucion({*t.wwTableAsig, *t.wwTableNomAsg, *t.wwTableTramos,
                                 *t.wwTableGrupos, *t.wwTableNomAsg_2, *t.wwTableAulas});
  int numero = 0;
  for (profesores.First(); !profesores.Eof(); profesores.Next()) {
    ++numero;
    const std::string empleado = profesores.GetText("X_EMPLEADO");
    const std::string tomaPosesion = profesores.GetText("F_TOMAPOS");
    soluc.SetFilter(dbase::EqualsFilter("PROF", profesores.GetText("ABREV")));

    int colocadas = 0;
    for (soluc.First(); !soluc.Eof(); soluc.Next()) {
      if (EsEntradaColocada(soluc)) ++colocadas;
    }
    resultado.AnadirGrupoProfesor(numero, empleado, tomaPosesion, colocadas);

    int actividad = 0;
    for (soluc.First(); !soluc.Eof(); soluc.Next()) {
      if (!EsEntradaColocada(soluc)) continue;
      resultado.AnadirGrupoActividad(++actividad, resolucion.Resolver(LeerEntrada(soluc)),
                                     periodo.inicio, periodo.fin);
    }
  }
}

}  // namespace

void BImportarClick(Sesion& sesion, Interfaz& interfaz) {
  RecuperarReemplazos(sesion.CarpetaTablas);  // an export cut short is undone first
  if (auto elegido = interfaz.ElegirDocumento()) sesion.RutaXML = *elegido;
  std::error_code ec;
  if (!fs::is_regular_file(sesion.RutaXML, ec)) {
    interfaz.MostrarMensaje(mensajes::NoExisteArchivo());
    if (sesion.Incrustado()) {
      sesion.CodigoResultado = -1;
      interfaz.CerrarVentana();
    }
    return;
  }

  RelojDeArena reloj(interfaz);
  xml::Document documento;
  documento.load(sesion.RutaXML);
  const std::string anno = AnnoAcademico(documento, sesion.RutaXML);

  ComponentesTablas componentes(sesion.CarpetaTablas, sesion.CarpetaPrograma);
  ComponentesAbiertos abiertos;
  for (ComponenteTabla* componente :
       {&componentes.wwTableSoluc, &componentes.wwTableGrupos, &componentes.wwTableCursos,
        &componentes.wwTableProfesor, &componentes.wwTableAulas, &componentes.wwTableNomAsg,
        &componentes.wwTableNomAsg_2, &componentes.wwTableTramos, &componentes.wwTableAsig}) {
    abiertos.Abrir(*componente);
  }

  if (!fs::exists(ArchivoTabla(sesion.CarpetaTablas, "PERIODOS.DBF"), ec)) {
    abiertos.Cerrar();
    reloj.Quitar();
    interfaz.MostrarMensaje(mensajes::PeriodosNoEncontrado());
    return;
  }
  const Periodo periodo = LeerPeriodo(sesion.CarpetaTablas);

  Resultado resultado;
  resultado.IniciarResultado(documento, anno, componentes.wwTableProfesor->RecordCount(),
                             FechaHoraActual());
  LeerHorarios(componentes, resultado, periodo);
  abiertos.Cerrar();

  const fs::path destino =
      sesion.RutaXML.parent_path() / ("ResultadoHoravel" + sesion.RutaXML.filename().string());
  resultado.GuardarResultado(destino);
  reloj.Quitar();

  sesion.CodigoResultado = 1;
  interfaz.MostrarMensaje(mensajes::ProcesoFinalizado());
  interfaz.DesactivarBotones();
  if (sesion.Incrustado()) interfaz.CerrarVentana();
}

}  // namespace vadelto
