#pragma once

// Table files built by hand, byte by byte, as other programs write them: the fixtures for
// reading older levels and damaged files. Independent of the engine's own writer.

#include <cstdint>
#include <string>
#include <vector>

namespace vadelto::prueba {

struct CampoAMano {
  std::string nombre;
  char tipo;
  int longitud;
  int decimales = 0;
};

struct FilaAMano {
  std::vector<std::string> valores;  // C padded right, N/F/D padded left; others exact
  bool borrada = false;
};

// Version 0x03/0x83 dBase III, 0x04 level 7, 0x30 Visual FoxPro, 0xF5 FoxPro...
// The header's record count is the number of rows unless `registrosDeclarados` says more.
std::string TablaAMano(std::uint8_t version, const std::vector<CampoAMano>& campos,
                       const std::vector<FilaAMano>& filas, long registrosDeclarados = -1);

std::string Le32(std::uint32_t valor);
std::string Le64(std::uint64_t valor);

}  // namespace vadelto::prueba
