#include "export/codigos_emitidos.h"

#include "text/clipper.h"
#include "text/conversion.h"

namespace vadelto {

CodigosEmitidos::CodigosEmitidos(Mayusculas mayusculas, std::size_t ancho)
    : mayusculas_(mayusculas), ancho_(ancho) {}

std::string CodigosEmitidos::Guardado(std::string_view codigo) const {
  if (ancho_ == 0) return std::string(codigo);
  return TrimEspaciosDer(Izquierda(codigo, static_cast<long>(ancho_)));
}

std::string CodigosEmitidos::Clave(std::string_view codigo) const {
  return mayusculas_ == Mayusculas::Distinguen ? std::string(codigo) : ClaveSinMayusculas(codigo);
}

bool CodigosEmitidos::Contiene(std::string_view codigo) const {
  return claves_.contains(Clave(codigo));
}

std::string CodigosEmitidos::Numerado(const std::string& base, long n) const {
  const std::string candidato = base + IntToStr(n);
  if (ancho_ == 0 || candidato.size() <= ancho_) return candidato;
  return Izquierda(candidato, static_cast<long>(ancho_) - 2) + Derecha(candidato, 2);
}

std::string CodigosEmitidos::Emitir(std::string_view candidato) {
  const std::string base = Guardado(candidato);
  std::string codigo = base;
  std::set<std::string> probados;
  for (long n = 1; Contiene(codigo); ++n) {
    codigo = Numerado(base, n);
    // The first 8 + last 2 form runs out once every two-digit ending has been tried, and would
    // then repeat itself for ever: from there on the whole number is kept.
    if (!probados.insert(Clave(codigo)).second) {
      const std::string numero = IntToStr(n);
      codigo =
          Izquierda(base, static_cast<long>(ancho_) - static_cast<long>(numero.size())) + numero;
    }
  }
  claves_.insert(Clave(codigo));
  return codigo;
}

}  // namespace vadelto
