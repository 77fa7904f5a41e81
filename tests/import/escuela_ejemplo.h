#pragma once

// A small school as the export leaves it in C:\HVDAT, and a SOLUC solved over it, for the
// import tests. The expected result documents in tests/data/import follow from these rows.

#include <filesystem>
#include <vector>

#include "import/apoyo_importacion.h"

namespace vadelto::prueba {

// Every working table the import reads, PERIODOS included.
void CrearTablasEscuela(const std::filesystem::path& hvdat);

// Placed and unplaced entries for the four teachers, plus rows no teacher's filter passes.
std::vector<FilaSoluc> SolucEscuela();

}  // namespace vadelto::prueba
