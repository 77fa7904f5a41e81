#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vadelto::cli {

// Exit statuses of every subcommand.
inline constexpr int kTerminado = 0;    // "Proceso finalizado"
inline constexpr int kNoTerminado = 1;  // any other end: a check, an error
inline constexpr int kUsoIncorrecto = 2;

struct Argumentos {
  std::vector<std::string> resto;         // after the subcommand's name, as given (UTF-8)
  std::filesystem::path carpetaPrograma;  // where NIVELLARI.DBF and Horavel.ini live
};

int Exportar(const Argumentos& argumentos);
int Importar(const Argumentos& argumentos);
int Comprobar(const Argumentos& argumentos);
int SolucEjemplo(const Argumentos& argumentos);

}  // namespace vadelto::cli
