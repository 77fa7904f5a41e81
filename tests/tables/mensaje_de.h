#pragma once

#include <string>

#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::prueba {

// The message of the Error an action raises, in UTF-8, or "sin error".
template <class Accion>
std::string MensajeDe(Accion&& accion) {
  try {
    accion();
  } catch (const Error& e) {
    return Utf8DesdeAnsi(e.Mensaje());
  }
  return "sin error";
}

}  // namespace vadelto::prueba
