#include "text/cp1252.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace vadelto {
namespace {

// Code points of bytes 0x80-0x9F; the rest of the range maps to itself (Latin-1).
constexpr std::array<char32_t, 32> kAlto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodigoDe(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kAlto[byte - 0x80] : byte;
}

void AnadirUtf8(std::string& destino, char32_t c) {
  if (c < 0x80) {
    destino += static_cast<char>(c);
  } else if (c < 0x800) {
    destino += static_cast<char>(0xC0 | (c >> 6));
    destino += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    destino += static_cast<char>(0xE0 | (c >> 12));
    destino += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    destino += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char ByteDe(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kAlto.size(); ++i) {
    if (kAlto[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string Utf8DesdeAnsi(std::string_view ansi) {
  std::string resultado;
  resultado.reserve(ansi.size() + ansi.size() / 8);
  for (char byte : ansi) AnadirUtf8(resultado, CodigoDe(static_cast<unsigned char>(byte)));
  return resultado;
}

std::string AnsiDesdeUtf8(std::string_view utf8) {
  std::string resultado;
  resultado.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      resultado += static_cast<char>(b);
      ++i;
      continue;
    }
    int longitud = b >= 0xF0 && b < 0xF5 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
    if (longitud == 0 || i + longitud > utf8.size()) {
      resultado += '?';
      ++i;
      continue;
    }
    char32_t c = b & (0x7F >> longitud);
    bool valido = true;
    for (int k = 1; k < longitud; ++k) {
      const auto sig = static_cast<unsigned char>(utf8[i + k]);
      if ((sig & 0xC0) != 0x80) {
        valido = false;
        break;
      }
      c = (c << 6) | (sig & 0x3F);
    }
    if (!valido) {
      resultado += '?';
      ++i;
      continue;
    }
    resultado += ByteDe(c);
    i += longitud;
  }
  return resultado;
}

}  // namespace vadelto
