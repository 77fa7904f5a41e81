#pragma once

#include <filesystem>
#include <memory>

#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"

namespace vadelto {

// A step's own table object on `tabla` in `carpeta`, opened for appending and reading.
std::unique_ptr<dbase::Table> AbrirTabla(const std::filesystem::path& carpeta, TablaTrabajo tabla);

// Recreates `tabla` empty in `carpeta` and opens it.
std::unique_ptr<dbase::Table> RecrearYAbrir(const std::filesystem::path& carpeta,
                                            TablaTrabajo tabla);

}  // namespace vadelto
