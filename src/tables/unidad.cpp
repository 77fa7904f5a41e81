#include "tables/unidad.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "text/conversion.h"

namespace vadelto {
namespace fs = std::filesystem;

fs::path BuscarSinMayusculas(const fs::path& carpeta, std::string_view nombre) {
  const fs::path exacta = carpeta / std::string(nombre);
  std::error_code ec;
  if (fs::exists(exacta, ec)) return exacta;
  const std::string buscado = MinusculasAscii(nombre);
  for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
    if (MinusculasAscii(it->path().filename().string()) == buscado) return it->path();
  }
  return exacta;
}

fs::path RutaReal(std::string_view rutaWindows) {
#ifdef _WIN32
  return fs::path(std::string(rutaWindows));
#else
  std::string_view resto = rutaWindows;
  fs::path ruta;
  if (resto.size() >= 2 && resto[1] == ':' &&
      ((resto[0] >= 'A' && resto[0] <= 'Z') || (resto[0] >= 'a' && resto[0] <= 'z'))) {
    const char* prefijo = std::getenv("WINEPREFIX");
    const char* home = std::getenv("HOME");
    const fs::path wine =
        prefijo && *prefijo ? fs::path(prefijo) : fs::path(home ? home : "/") / ".wine";
    const char unidad = static_cast<char>(resto[0] | 0x20);
    ruta = unidad == 'c' ? wine / "drive_c" : wine / "dosdevices" / (std::string(1, unidad) + ":");
    resto.remove_prefix(2);
  } else if (!resto.empty() && (resto[0] == '/' || resto[0] == '\\')) {
    ruta = "/";
  }
  std::size_t inicio = 0;
  while (inicio <= resto.size()) {
    std::size_t fin = resto.find_first_of("\\/", inicio);
    if (fin == std::string_view::npos) fin = resto.size();
    const std::string_view parte = resto.substr(inicio, fin - inicio);
    if (!parte.empty())
      ruta = ruta.empty() ? fs::path(std::string(parte)) : BuscarSinMayusculas(ruta, parte);
    inicio = fin + 1;
  }
  return ruta;
#endif
}

fs::path CarpetaHvdat() {
  return RutaReal(kCarpetaHvdatWindows);
}

}  // namespace vadelto
