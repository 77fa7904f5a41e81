#pragma once

#include <filesystem>

namespace vadelto::cli {

// The folder of the running program's own file: /proc/self/exe where there is one, else the
// folder part of `argv0`.
std::filesystem::path CarpetaPrograma(const char* argv0);

}  // namespace vadelto::cli
