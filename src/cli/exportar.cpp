#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "cli/consola.h"
#include "cli/subcomandos.h"
#include "export/exportar.h"
#include "sesion/sesion.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "tables/unidad.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::cli {
namespace {
namespace fs = std::filesystem;

// A scratch folder of its own under the system's temporary folder, gone with the object.
class CarpetaDescartable {
 public:
  CarpetaDescartable() {
    std::string plantilla = (fs::temp_directory_path() / "vadelto-comprobar-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) {
      throw Error(mensajes::NoSeCreaCarpetaProvisional(std::strerror(errno)));
    }
    ruta_ = plantilla;
  }
  ~CarpetaDescartable() {
    std::error_code ec;
    fs::remove_all(ruta_, ec);
  }
  CarpetaDescartable(const CarpetaDescartable&) = delete;
  CarpetaDescartable& operator=(const CarpetaDescartable&) = delete;
  const fs::path& Ruta() const { return ruta_; }

 private:
  fs::path ruta_;
};

// Rows written in every working table of `carpeta`, after the system's own message.
void ResumirTablas(const fs::path& carpeta) {
  Escribir(mensajes::ResumenTablasCabecera());
  for (TablaTrabajo tabla : TodasLasTablas()) {
    const std::string nombre = Definicion(tabla).nombre + ".DBF";
    dbase::Table t(ArchivoTabla(carpeta, nombre), RotuloTabla(nombre));
    t.Open(dbase::Access::Shared);
    Escribir(mensajes::ResumenTablaFilas(Definicion(tabla).nombre, t.RecordCount()));
    t.Close();
  }
}

// The export, into C:\HVDAT or, to check a document, into a scratch folder that is then
// thrown away: the very same steps either way.
int ExportarEn(const Argumentos& argumentos, bool comprobar) {
  std::optional<std::string> documento;
  std::optional<std::string> plantilla;
  const auto& resto = argumentos.resto;
  for (std::size_t i = 0; i < resto.size(); ++i) {
    std::string problema;
    if (resto[i] == "--plantilla") {
      if (i + 1 == resto.size())
        problema = mensajes::FaltaValorOpcion("--plantilla");
      else
        plantilla = resto[++i];
    } else if (resto[i].starts_with("--plantilla=")) {
      plantilla = resto[i].substr(std::string_view("--plantilla=").size());
    } else if (!documento && !resto[i].starts_with("--")) {
      documento = resto[i];
    } else {
      problema = mensajes::OpcionDesconocida(AnsiDesdeUtf8(resto[i]));
    }
    if (!problema.empty()) {
      Escribir(problema);
      Escribir(mensajes::UsoCli());
      return kUsoIncorrecto;
    }
  }
  if (!documento) {
    Escribir(mensajes::UsoCli());
    return kUsoIncorrecto;
  }

  Sesion sesion;
  sesion.CarpetaPrograma = argumentos.carpetaPrograma;
  std::optional<CarpetaDescartable> borrador;
  if (comprobar) borrador.emplace();
  sesion.CarpetaTablas = comprobar ? borrador->Ruta() : CarpetaHvdat();
  InterfazConsola consola(*documento, plantilla);
  try {
    BExportarClick(sesion, consola);
    if (sesion.CodigoResultado == 1) ResumirTablas(sesion.CarpetaTablas);
  } catch (const PlantillaSinElegir&) {
    return kUsoIncorrecto;
  } catch (const Error& error) {
    Escribir(ConPuntoFinal(error.Mensaje()));
    if (comprobar) Escribir(mensajes::ComprobacionResultado(false));
    return kNoTerminado;
  }
  const bool terminada = sesion.CodigoResultado == 1;
  if (comprobar) Escribir(mensajes::ComprobacionResultado(terminada));
  return terminada ? kTerminado : kNoTerminado;
}

}  // namespace

// vadelto-cli exportar DOCUMENTO [--plantilla CODIGO]
int Exportar(const Argumentos& argumentos) {
  return ExportarEn(argumentos, false);
}

// vadelto-cli comprobar DOCUMENTO [--plantilla CODIGO]: C:\HVDAT is never touched.
int Comprobar(const Argumentos& argumentos) {
  return ExportarEn(argumentos, true);
}

}  // namespace vadelto::cli
