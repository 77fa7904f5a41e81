#include "text/clipper.h"

namespace vadelto {

std::string TrimEspaciosDer(std::string_view texto) {
  const auto fin = texto.find_last_not_of(' ');
  return fin == std::string_view::npos ? std::string() : std::string(texto.substr(0, fin + 1));
}

std::string TrimEspaciosIzq(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(' ');
  return inicio == std::string_view::npos ? std::string() : std::string(texto.substr(inicio));
}

std::string TrimEspacios(std::string_view texto) { return TrimEspaciosIzq(TrimEspaciosDer(texto)); }

std::string Izquierda(std::string_view texto, long n) {
  if (n <= 0) return {};
  if (static_cast<unsigned long>(n) < texto.size()) return std::string(texto.substr(0, n));
  return std::string(texto);
}

std::string Derecha(std::string_view texto, long n) {
  if (n <= 0) return {};
  if (static_cast<unsigned long>(n) < texto.size()) {
    return std::string(texto.substr(texto.size() - n));
  }
  return std::string(texto);
}

std::string SoloMayusculas(std::string_view texto) {
  std::string resultado;
  for (char c : texto) {
    if (c >= 'A' && c <= 'Z') resultado += c;
  }
  return resultado;
}

std::string LetrasTrasEspacio(std::string_view texto, std::string_view /*separador*/) {
  std::string resultado;
  for (std::size_t i = 0; i + 1 < texto.size(); ++i) {
    if (texto[i] == ' ') resultado += texto[i + 1];
  }
  return resultado;
}

}  // namespace vadelto
