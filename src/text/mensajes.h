#pragma once

#include <string>
#include <string_view>

// Every text the user is shown, in one place. Source files are UTF-8; these return the
// Windows-1252 form the core works with.
namespace vadelto::mensajes {

std::string NoExisteArchivo();
std::string NivellariNoEncontrado();
std::string PeriodosNoEncontrado();
std::string ProcesoFinalizado();

// "'%s' no es un valor entero válido"
std::string NoEsEntero(std::string_view texto);

}  // namespace vadelto::mensajes
