#pragma once

// Embedded mode: the host starts the program with exactly two parameters, an action word
// and its own window handle in hexadecimal, and learns the outcome from Horavel.ini.
// Parameters are counted without the program's own path and are Windows-1252 texts.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sesion/sesion.h"

namespace vadelto {

bool SeleccionaModoIncrustado(const std::vector<std::string>& parametros);

// The host's window handle: "$" and the handle's text through StrToInt, which raises
// "'$<texto>' no es un valor entero válido" for anything but hexadecimal digits.
std::uint32_t ManejadorAnfitrion(const std::string& texto);

enum class Accion { Ninguna, Importar, Exportar };

// What the window runs as it is shown: only with exactly two parameters, and only for the
// action words "importar" and "exportar" in any ASCII letter case.
Accion AccionAlMostrar(const std::vector<std::string>& parametros);

// Horavel.ini in the program's folder, as spelt there in any letter case.
std::filesystem::path RutaHoravelIni(const std::filesystem::path& carpetaPrograma);

// On every close of an embedded window: the result code under "Transformadores" /
// "Transformado" in Horavel.ini. A stand-alone window writes nothing.
// Raises Error("Unable to write to <path>") when the file cannot be written.
void GuardarCodigoResultado(const Sesion& sesion);

}  // namespace vadelto
