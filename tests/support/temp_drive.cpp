#include "support/temp_drive.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace vadelto::prueba {
namespace fs = std::filesystem;

UnidadTemporal::UnidadTemporal(bool conHvdat) {
  std::string plantilla = (fs::temp_directory_path() / "vadelto-XXXXXX").string();
  if (!mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp");
  raiz_ = plantilla;
  fs::create_directories(UnidadC());
  if (conHvdat) fs::create_directories(Hvdat());
  if (const char* anterior = std::getenv("WINEPREFIX")) {
    habiaPrefijo_ = true;
    prefijoAnterior_ = anterior;
  }
  setenv("WINEPREFIX", raiz_.c_str(), 1);
}

UnidadTemporal::~UnidadTemporal() {
  if (habiaPrefijo_) {
    setenv("WINEPREFIX", prefijoAnterior_.c_str(), 1);
  } else {
    unsetenv("WINEPREFIX");
  }
  std::error_code ec;
  // Folders made read-only by a test must not stop the clean-up.
  for (auto it = fs::recursive_directory_iterator(raiz_, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(raiz_, ec);
}

fs::path UnidadTemporal::Carpeta(const std::string& nombre) const {
  const fs::path ruta = raiz_ / nombre;
  fs::create_directories(ruta);
  return ruta;
}

void EscribirArchivo(const fs::path& ruta, const std::string& contenido) {
  if (ruta.has_parent_path()) fs::create_directories(ruta.parent_path());
  std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
  salida << contenido;
  if (!salida) throw std::runtime_error("cannot write " + ruta.string());
}

std::string LeerArchivo(const fs::path& ruta) {
  std::ifstream entrada(ruta, std::ios::binary);
  if (!entrada) throw std::runtime_error("cannot read " + ruta.string());
  return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

std::map<std::string, std::string> Instantanea(const fs::path& carpeta) {
  std::map<std::string, std::string> archivos;
  for (const auto& entrada : fs::recursive_directory_iterator(carpeta)) {
    if (entrada.is_regular_file()) {
      archivos[fs::relative(entrada.path(), carpeta).string()] = LeerArchivo(entrada.path());
    }
  }
  return archivos;
}

}  // namespace vadelto::prueba
