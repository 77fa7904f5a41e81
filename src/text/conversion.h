#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vadelto {

// Text to a 32-bit integer as the host platform converts it: an optional sign, then decimal
// digits, or '$' and hexadecimal digits (up to 32 bits, read as two's complement). Anything
// else, the empty text included, raises Error("'<texto>' no es un valor entero válido").
std::int32_t StrToInt(std::string_view texto);

// The same rule without raising: false when the text is no integer.
bool EsEntero(std::string_view texto, std::int32_t* valor = nullptr);

// Decimal, no leading zeros, '-' for negatives.
std::string IntToStr(long long valor);

// Upper-cases the ASCII letters a-z only; accented letters stay as they are.
std::string MayusculasAscii(std::string_view texto);

// Lower-cases the ASCII letters A-Z only.
std::string MinusculasAscii(std::string_view texto);

// Case-insensitive equality of the system locale on Windows-1252 texts: accented letters
// fold too ('á' equals 'Á', 'ñ' equals 'Ñ').
bool IgualesSinMayusculas(std::string_view a, std::string_view b);

// The key under which IgualesSinMayusculas texts collide (for hashing issued codes).
std::string ClaveSinMayusculas(std::string_view texto);

}  // namespace vadelto
