#pragma once

#include <string>
#include <string_view>

// String helpers of the export steps and the import. All work on 8-bit texts, never fail,
// and give the empty text for the empty text. A blank is the space character only.
namespace vadelto {

// Without trailing blanks, then without leading blanks.
std::string TrimEspacios(std::string_view texto);
std::string TrimEspaciosIzq(std::string_view texto);
std::string TrimEspaciosDer(std::string_view texto);

// The first (last) n characters when n is less than the length (empty when n <= 0),
// otherwise the whole text.
std::string Izquierda(std::string_view texto, long n);
std::string Derecha(std::string_view texto, long n);

// Only the characters A to Z, in order.
std::string SoloMayusculas(std::string_view texto);

// For each position but the last holding a blank, the character that follows it. The
// separator is not used; callers pass a single blank.
std::string LetrasTrasEspacio(std::string_view texto, std::string_view separador = " ");

}  // namespace vadelto
