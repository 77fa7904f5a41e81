#include "export/exportar.h"

#include <system_error>

#include "exchange/xml_document.h"
#include "export/contexto.h"
#include "export/diario_reemplazo.h"
#include "export/pasos.h"
#include "export/reemplazo_tablas.h"
#include "tables/unidad.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace fs = std::filesystem;

namespace {

// The hourglass for as long as the steps run, however they end.
class RelojDeArena {
 public:
  explicit RelojDeArena(Interfaz& interfaz) : interfaz_(interfaz) { interfaz_.RelojDeArena(true); }
  ~RelojDeArena() { interfaz_.RelojDeArena(false); }
  RelojDeArena(const RelojDeArena&) = delete;
  RelojDeArena& operator=(const RelojDeArena&) = delete;

 private:
  Interfaz& interfaz_;
};

bool ExisteArchivo(const fs::path& ruta) {
  std::error_code ec;
  return !ruta.empty() && fs::is_regular_file(ruta, ec);
}

// Builds every table in a staging folder, then puts the whole set in place of the old one.
void ReconstruirTablas(const xml::Document& documento, Sesion& sesion, Interfaz& interfaz) {
  ReemplazoTablas reemplazo(sesion.CarpetaTablas);
  {
    ContextoExportacion contexto(documento, reemplazo.CarpetaNuevas(), sesion, interfaz);
    for (auto paso : {CrearTablasMaterias, AnadirActividades, CrearTablaProfesores, CrearTablaAulas,
                      CrearTablasCursosGrupos, CrearTablaAsignaciones, CrearTablasHorarias}) {
      paso(contexto);
    }
  }  // every staged table closed
  reemplazo.Reemplazar();
}

}  // namespace

void BExportarClick(Sesion& sesion, Interfaz& interfaz) {
  RecuperarReemplazos(sesion.CarpetaTablas);  // an export cut short is undone first
  if (auto elegido = interfaz.ElegirDocumento()) sesion.RutaXML = *elegido;
  if (!ExisteArchivo(sesion.RutaXML)) {
    interfaz.MostrarMensaje(mensajes::NoExisteArchivo());
    if (sesion.Incrustado()) {
      sesion.CodigoResultado = -1;
      interfaz.CerrarVentana();
    }
    return;
  }
  if (!ExisteArchivo(BuscarSinMayusculas(sesion.CarpetaPrograma, "NIVELLARI.DBF"))) {
    interfaz.MostrarMensaje(mensajes::NivellariNoEncontrado());
    return;
  }
  std::error_code ec;
  if (!fs::is_directory(sesion.CarpetaTablas, ec)) throw Error(mensajes::NoExisteCarpetaTablas());

  xml::Document documento;
  documento.load(sesion.RutaXML);
  // A file that is no XML document would otherwise give empty tables in place of the user's.
  if (!documento.loaded()) {
    throw Error(mensajes::DocumentoNoValido(AnsiDesdeUtf8(sesion.RutaXML.filename().string())));
  }

  {
    RelojDeArena reloj(interfaz);
    ReconstruirTablas(documento, sesion, interfaz);
  }
  sesion.CodigoResultado = 1;
  interfaz.MostrarMensaje(mensajes::ProcesoFinalizado());
  interfaz.DesactivarBotones();
  if (sesion.Incrustado()) interfaz.CerrarVentana();
}

}  // namespace vadelto
