#pragma once

// Resolving one placed SOLUC entry to Racima's identifiers through the tables the export
// left. Each lookup is a first-match scan in table order with exact, case-sensitive
// comparison of whole texts as read; a lookup that finds nothing leaves its values as they
// were. Kept apart so the lookups can be backed by indexes without changing a result.

#include <cstdint>
#include <string>

#include "import/resultado.h"
#include "tables/dbase/table.h"

namespace vadelto {

// The fields of a SOLUC record the resolution uses, as read.
struct EntradaSoluc {
  std::string asig;
  std::string codgrupo;
  std::string tarea;
  std::string aula;
  std::string dia;  // DIA as text
  std::int32_t hora = 0;
};

// The open tables the lookups scan.
struct TablasResolucion {
  dbase::Table& asigt;
  dbase::Table& asignomt;
  dbase::Table& diashorast;
  dbase::Table& grupost;
  dbase::Table& asignomt2;
  dbase::Table& aulat;
};

ValoresActividad ResolverEntrada(TablasResolucion& tablas, const EntradaSoluc& entrada);

}  // namespace vadelto
