#include "text/mensajes.h"

#include "text/cp1252.h"

namespace vadelto::mensajes {

std::string NoExisteArchivo() { return "No existe archivo"; }

std::string NivellariNoEncontrado() {
  return AnsiDesdeUtf8("ATENCIÓN - NIVELLARI.DBF No encontrado - Reinstale VADELTO");
}

std::string PeriodosNoEncontrado() {
  return AnsiDesdeUtf8("ATENCIÓN - PERIODOS.DBF No encontrado - Importe de nuevo XML de RACIMA.");
}

std::string ProcesoFinalizado() { return "Proceso finalizado"; }

std::string NoEsEntero(std::string_view texto) {
  return "'" + std::string(texto) + AnsiDesdeUtf8("' no es un valor entero válido");
}

}  // namespace vadelto::mensajes
