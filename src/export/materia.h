#pragma once

#include <optional>
#include <string>

#include "exchange/documento_intercambio.h"

namespace vadelto {

// A MATERIAS record as steps 1 and 6 read it, each value trimmed.
struct Materia {
  std::string oferta;   // position 0: the course offering's id
  std::string materia;  // position 1: the subject's id
  std::string nombre;   // position 2: the subject's name
};

// Nothing for a record that gives no subject: one without a name (fewer than three positions,
// or a name that is blank), which no code can be made from. Both steps skip the same records.
std::optional<Materia> LeerMateria(const Registro& registro);

}  // namespace vadelto
