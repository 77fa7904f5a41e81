#include "text/error.h"

namespace vadelto {

std::string ConPuntoFinal(const std::string& mensaje) {
  if (mensaje.empty() || static_cast<unsigned char>(mensaje.back()) <= '.') return mensaje;
  return mensaje + '.';
}

}  // namespace vadelto
