#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace vadelto::prueba {

// A temporary C: drive for one test: WINEPREFIX points at a fresh folder whose drive_c
// holds an empty HVDAT, and is restored when the object goes.
class UnidadTemporal {
 public:
  explicit UnidadTemporal(bool conHvdat = true);
  ~UnidadTemporal();
  UnidadTemporal(const UnidadTemporal&) = delete;
  UnidadTemporal& operator=(const UnidadTemporal&) = delete;

  const std::filesystem::path& Raiz() const { return raiz_; }  // the WINEPREFIX
  std::filesystem::path UnidadC() const { return raiz_ / "drive_c"; }
  std::filesystem::path Hvdat() const { return UnidadC() / "HVDAT"; }
  // A folder of its own inside the temporary tree, created on demand.
  std::filesystem::path Carpeta(const std::string& nombre) const;

 private:
  std::filesystem::path raiz_;
  std::string prefijoAnterior_;
  bool habiaPrefijo_ = false;
};

// Writes `contenido` (bytes as given) to `ruta`, creating folders.
void EscribirArchivo(const std::filesystem::path& ruta, const std::string& contenido);
std::string LeerArchivo(const std::filesystem::path& ruta);

// Every file below `carpeta`, by relative path, with its bytes: to prove nothing changed.
std::map<std::string, std::string> Instantanea(const std::filesystem::path& carpeta);

}  // namespace vadelto::prueba
