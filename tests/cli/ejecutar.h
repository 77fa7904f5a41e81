#pragma once

// vadelto-cli run as a user runs it, on the temporary drive C: the test has set up.

#include <filesystem>
#include <string>

namespace vadelto::prueba {

struct SalidaCli {
  int estado;           // exit status; -1 when it did not exit
  std::string salida;   // stdout
  std::string errores;  // stderr
};

SalidaCli EjecutarCli(const std::string& argumentos, const std::filesystem::path& temporal);

// The sample school's Racima document.
std::filesystem::path DocumentoInstituto();

}  // namespace vadelto::prueba
