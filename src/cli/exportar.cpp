#include <optional>
#include <string>

#include "cli/consola.h"
#include "cli/subcomandos.h"
#include "export/exportar.h"
#include "sesion/sesion.h"
#include "tables/unidad.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::cli {

// vadelto-cli exportar DOCUMENTO [--plantilla CODIGO]
int Exportar(const Argumentos& argumentos) {
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
  sesion.CarpetaTablas = CarpetaHvdat();
  InterfazConsola consola(*documento, plantilla);
  try {
    BExportarClick(sesion, consola);
  } catch (const PlantillaSinElegir&) {
    return kUsoIncorrecto;
  } catch (const Error& error) {
    Escribir(ConPuntoFinal(error.Mensaje()));
    return kNoTerminado;
  }
  return sesion.CodigoResultado == 1 ? kTerminado : kNoTerminado;
}

}  // namespace vadelto::cli
