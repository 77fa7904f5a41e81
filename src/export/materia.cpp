#include "export/materia.h"

namespace vadelto {

std::optional<Materia> LeerMateria(const Registro& registro) {
  Materia materia{registro.Recortado(0), registro.Recortado(1), registro.Recortado(2)};
  if (!registro.Tiene(2) || materia.nombre.empty()) return std::nullopt;
  return materia;
}

}  // namespace vadelto
