#include "soporte/unidad_fuzz.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vadelto::fuzz {
namespace fs = std::filesystem;

namespace {

// Lives for the whole process; removes its tree at exit. A crash keeps it for the report.
class Arbol {
 public:
  Arbol() {
    std::string plantilla = (fs::temp_directory_path() / "vadelto-fuzz-XXXXXX").string();
    if (!::mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp");
    raiz_ = plantilla;
    fs::create_directories(raiz_ / "drive_c" / "HVDAT");
    ::setenv("WINEPREFIX", raiz_.c_str(), 1);
  }
  ~Arbol() {
    std::error_code ec;
    fs::remove_all(raiz_, ec);
  }
  const fs::path& Raiz() const { return raiz_; }

 private:
  fs::path raiz_;
};

}  // namespace

const fs::path& Raiz() {
  static const Arbol arbol;
  return arbol.Raiz();
}

fs::path UnidadC() {
  return Raiz() / "drive_c";
}
fs::path Hvdat() {
  return UnidadC() / "HVDAT";
}

void Vaciar(const fs::path& carpeta) {
  std::error_code ec;
  fs::remove_all(carpeta, ec);
  fs::create_directories(carpeta);
}

void Escribir(const fs::path& ruta, std::string_view bytes) {
  std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
  salida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!salida) throw std::runtime_error("cannot write " + ruta.string());
}

}  // namespace vadelto::fuzz
