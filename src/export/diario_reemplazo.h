#pragma once

// The journal that makes replacing the set of working tables safe against a crash or a power
// cut. An export builds its tables in a staging folder inside the tables' folder, which its
// process holds for as long as it lives; before the first file moves, the folder gets a
// journal listing every planned move, made durable; after the last one the moves are made
// durable and the journal goes. A replacement cut short leaves the folder with its journal
// and nobody holding it: RecuperarReemplazos, run before a conversion touches the tables,
// moves back whatever had moved, so the old set is whole again, and removes the folder.

#include <filesystem>
#include <string_view>
#include <vector>

#include "tables/dbase/os_file.h"

namespace vadelto {

// One file's move, by rename within the tables' folder.
struct Movimiento {
  std::filesystem::path de;
  std::filesystem::path a;
};

// How the staging folders inside the tables' folder are named: this, then a number; the old
// tables go aside into a folder of this name inside it.
inline constexpr std::string_view kPrefijoCarpetaProvisional = ".vadelto-exportacion-";
inline constexpr std::string_view kCarpetaAnteriores = "anteriores";

class DiarioReemplazo {
 public:
  // Holds `carpetaProvisional`, a staging folder inside `carpetaTablas`, for this process, so
  // that no recovery takes it for a leftover. Raises vadelto::Error when it cannot.
  DiarioReemplazo(std::filesystem::path carpetaTablas, std::filesystem::path carpetaProvisional);

  // Writes the moves in the order they will be made and makes them durable; from then on a
  // crash is undone by the next recovery. Raises vadelto::Error when it cannot: nothing has
  // moved then.
  void Anotar(const std::vector<Movimiento>& movimientos);
  // The moves are all done, or all undone: makes them durable and removes the journal.
  // Raises vadelto::Error when the journal stays.
  void Cerrar();
  // Lets go of the staging folder, which may then be removed.
  void Soltar();

 private:
  std::filesystem::path carpetaTablas_;
  std::filesystem::path carpeta_;
  dbase::OsFile bloqueo_;
  std::vector<Movimiento> movimientos_;
};

// Finishes what interrupted replacements left in `carpetaTablas`: the moves of every journal
// are undone, last first, and every staging folder that no living process holds is removed.
// Raises vadelto::Error, naming where the old tables are, when moves cannot be undone; that
// folder and its journal then stay for the next attempt.
void RecuperarReemplazos(const std::filesystem::path& carpetaTablas);

}  // namespace vadelto
