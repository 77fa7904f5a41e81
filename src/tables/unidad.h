#pragma once

#include <filesystem>
#include <string_view>

namespace vadelto {

// Where a Windows path such as "C:\HVDAT\ASIGNOMT.DBF" really is. On Windows, the path
// itself. Elsewhere drive C: is $WINEPREFIX/drive_c (default ~/.wine/drive_c), another
// drive X: is $WINEPREFIX/dosdevices/x:, and each component that exists is found without
// regard to letter case, as on Windows; components that do not exist are kept as given.
std::filesystem::path RutaReal(std::string_view rutaWindows);

// The entry of `carpeta` whose name equals `nombre` ignoring ASCII letter case, or
// carpeta / nombre when there is none.
std::filesystem::path BuscarSinMayusculas(const std::filesystem::path& carpeta,
                                          std::string_view nombre);

// The working-table folder, C:\HVDAT.
inline constexpr std::string_view kCarpetaHvdatWindows = "C:\\HVDAT";
std::filesystem::path CarpetaHvdat();

}  // namespace vadelto
