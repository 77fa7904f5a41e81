#include "cli/carpeta_programa.h"

#include <system_error>

namespace vadelto::cli {
namespace fs = std::filesystem;

fs::path CarpetaPrograma(const char* argv0) {
  std::error_code ec;
  const fs::path propio = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !propio.empty()) return propio.parent_path();
  const fs::path dado = fs::absolute(argv0 ? argv0 : "", ec);
  return ec ? fs::path() : dado.parent_path();
}

}  // namespace vadelto::cli
