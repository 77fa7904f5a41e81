#include <optional>

#include "cli/consola.h"
#include "cli/subcomandos.h"
#include "import/importar.h"
#include "sesion/sesion.h"
#include "tables/unidad.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::cli {

// vadelto-cli importar DOCUMENTO
int Importar(const Argumentos& argumentos) {
  const auto& resto = argumentos.resto;
  if (resto.size() != 1 || resto[0].starts_with("--")) {
    for (const std::string& argumento : resto) {
      if (argumento.starts_with("--"))
        Escribir(mensajes::OpcionDesconocida(AnsiDesdeUtf8(argumento)));
    }
    Escribir(mensajes::UsoCli());
    return kUsoIncorrecto;
  }

  Sesion sesion;
  sesion.CarpetaPrograma = argumentos.carpetaPrograma;
  sesion.CarpetaTablas = CarpetaHvdat();
  InterfazConsola consola(resto[0], std::nullopt);
  try {
    BImportarClick(sesion, consola);
  } catch (const Error& error) {
    Escribir(ConPuntoFinal(error.Mensaje()));
    return kNoTerminado;
  }
  return sesion.CodigoResultado == 1 ? kTerminado : kNoTerminado;
}

}  // namespace vadelto::cli
