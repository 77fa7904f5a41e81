#include "text/conversion.h"

#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {

int ValorHex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Windows-1252 upper-case form of one byte, as the system locale folds it.
unsigned char Plegar(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

}  // namespace

bool EsEntero(std::string_view texto, std::int32_t* valor) {
  std::size_t i = 0;
  bool negativo = false;
  if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) negativo = texto[i++] == '-';
  if (i < texto.size() && texto[i] == '$') {
    ++i;
    if (i == texto.size() || texto.size() - i > 8) return false;
    std::uint32_t acumulado = 0;
    for (; i < texto.size(); ++i) {
      const int d = ValorHex(texto[i]);
      if (d < 0) return false;
      acumulado = acumulado * 16 + static_cast<std::uint32_t>(d);
    }
    if (negativo) acumulado = 0u - acumulado;
    if (valor) *valor = static_cast<std::int32_t>(acumulado);
    return true;
  }
  if (i == texto.size()) return false;
  long long acumulado = 0;
  for (; i < texto.size(); ++i) {
    if (texto[i] < '0' || texto[i] > '9') return false;
    acumulado = acumulado * 10 + (texto[i] - '0');
    if (acumulado > 2147483648LL) return false;
  }
  if (negativo) acumulado = -acumulado;
  if (acumulado > 2147483647LL) return false;
  if (valor) *valor = static_cast<std::int32_t>(acumulado);
  return true;
}

std::int32_t StrToInt(std::string_view texto) {
  std::int32_t valor = 0;
  if (!EsEntero(texto, &valor)) throw Error(mensajes::NoEsEntero(texto));
  return valor;
}

std::string IntToStr(long long valor) { return std::to_string(valor); }

std::string MayusculasAscii(std::string_view texto) {
  std::string resultado(texto);
  for (char& c : resultado) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return resultado;
}

std::string MinusculasAscii(std::string_view texto) {
  std::string resultado(texto);
  for (char& c : resultado) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return resultado;
}

std::string ClaveSinMayusculas(std::string_view texto) {
  std::string resultado(texto);
  for (char& c : resultado) c = static_cast<char>(Plegar(static_cast<unsigned char>(c)));
  return resultado;
}

bool IgualesSinMayusculas(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Plegar(static_cast<unsigned char>(a[i])) != Plegar(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace vadelto
