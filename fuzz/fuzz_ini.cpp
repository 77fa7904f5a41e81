// The INI writer on an arbitrary existing Horavel.ini: the result code is written into it as
// on every embedded close. The file on disk must then be exactly what WithValue gives, and
// writing the same value again must change nothing.

#include <cstdlib>
#include <string>

#include "sesion/archivo_ini.h"
#include "soporte/unidad_fuzz.h"
#include "text/error.h"

namespace {

std::string Leer(const std::filesystem::path& ruta) {
  std::string contenido;
  if (std::FILE* archivo = std::fopen(ruta.c_str(), "rb")) {
    char bloque[4096];
    std::size_t leidos;
    while ((leidos = std::fread(bloque, 1, sizeof bloque, archivo)) > 0) {
      contenido.append(bloque, leidos);
    }
    std::fclose(archivo);
  }
  return contenido;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vadelto;
  const std::string anterior(fuzz::Bytes(data, size));
  const auto ruta = fuzz::Raiz() / "Horavel.ini";
  fuzz::Escribir(ruta, anterior);

  ini::WriteValue(ruta, "Transformadores", "Transformado", "1");
  const std::string escrito = Leer(ruta);
  if (escrito != ini::WithValue(anterior, "Transformadores", "Transformado", "1")) std::abort();
  if (ini::WithValue(escrito, "Transformadores", "Transformado", "1") != escrito) std::abort();
  return 0;
}
