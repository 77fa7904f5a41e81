#pragma once

// The independent readers the table tests compare our engine with: dbfcheck (our Free
// Pascal program over TDbf) and python3-dbfread. Each is skipped where it is missing.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vadelto::prueba {

struct Salida {
  int estado;  // the exit status; -1 when the command could not run
  std::string texto;
};
// Runs a shell command with a time limit (TDbf loops forever on a corrupt index).
Salida Ejecutar(const std::string& orden);

std::string Comillas(const std::filesystem::path& ruta);  // quoted for the shell
std::string Hex(std::string_view bytes);

// The dbfcheck program, when it was built.
std::optional<std::filesystem::path> DbfCheck();
// /usr/bin/python3 when it has dbfread.
bool HayDbfread();

// One row as a reader printed it: field name and its value token ("x<hex>", "i<int>",
// "f<double>", "bT"/"bF", "d<yyyymmdd>", "<null>").
struct FilaLeida {
  std::vector<std::pair<std::string, std::string>> campos;
};
struct TablaLeida {
  std::vector<std::string> campos;  // "NAME TYPE SIZE DECIMALS"
  std::vector<FilaLeida> filas;
};

// TDbf's view of a table (dbfcheck dump), dbfread's, and ours in the same terms.
TablaLeida LeerConTdbf(const std::filesystem::path& tabla);
TablaLeida LeerConDbfread(const std::filesystem::path& tabla);
TablaLeida LeerConNuestroMotor(const std::filesystem::path& tabla);

// Compares two readings field by field (floats by value); gtest failures name the row.
void ExpectMismaLectura(const TablaLeida& esperada, const TablaLeida& obtenida);

}  // namespace vadelto::prueba
