// vadelto-cli: the conversions from the command line. One file per subcommand; to add one,
// declare it in subcomandos.h and list it below.

#include <exception>
#include <iostream>
#include <string_view>

#include "cli/carpeta_programa.h"
#include "cli/consola.h"
#include "cli/subcomandos.h"
#include "text/cp1252.h"
#include "text/mensajes.h"

namespace {

struct Subcomando {
  std::string_view nombre;
  int (*ejecutar)(const vadelto::cli::Argumentos&);
};

constexpr Subcomando kSubcomandos[] = {
    {"exportar", vadelto::cli::Exportar},
    {"importar", vadelto::cli::Importar},
    {"comprobar", vadelto::cli::Comprobar},
    {"soluc-ejemplo", vadelto::cli::SolucEjemplo},
};

}  // namespace

int main(int argc, char** argv) {
  using namespace vadelto;
  if (argc < 2) {
    cli::Escribir(mensajes::UsoCli());
    return cli::kUsoIncorrecto;
  }
  const std::string_view nombre = argv[1];
  for (const Subcomando& subcomando : kSubcomandos) {
    if (subcomando.nombre != nombre) continue;
    try {
      return subcomando.ejecutar({{argv + 2, argv + argc}, cli::CarpetaPrograma(argv[0])});
    } catch (const std::exception& fallo) {
      std::cerr << fallo.what() << '\n';
      return cli::kNoTerminado;
    }
  }
  cli::Escribir(mensajes::SubcomandoDesconocido(AnsiDesdeUtf8(nombre)));
  cli::Escribir(mensajes::UsoCli());
  return cli::kUsoIncorrecto;
}
