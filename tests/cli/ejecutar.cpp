#include "cli/ejecutar.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/temp_drive.h"

namespace vadelto::prueba {

SalidaCli EjecutarCli(const std::string& argumentos, const std::filesystem::path& temporal) {
  const auto salida = temporal / "stdout.txt";
  const auto errores = temporal / "stderr.txt";
  const std::string orden = std::string(VADELTO_BIN_DIR) + "/vadelto-cli " + argumentos + " >" +
                            salida.string() + " 2>" + errores.string();
  const int estado = std::system(orden.c_str());
  return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, LeerArchivo(salida), LeerArchivo(errores)};
}

std::filesystem::path DocumentoInstituto() {
  return std::filesystem::path(VADELTO_TEST_DATA) / ".." / ".." / "samples" / "instituto" /
         "racima.xml";
}

}  // namespace vadelto::prueba
