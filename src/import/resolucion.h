#pragma once

// Resolving one placed SOLUC entry to Racima's identifiers through the tables the export
// left. Each lookup answers what a first-match scan in table order would, with exact,
// case-sensitive comparison of whole texts as read; a lookup that finds nothing leaves its
// values as they were.

#include <cstdint>
#include <string>

#include "import/busqueda_primera.h"
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

// Resolves entry after entry over the same tables, each lookup answered from a hash map of
// its table, built on first use (the tables do not change while the import runs).
class ResolucionEntradas {
 public:
  explicit ResolucionEntradas(const TablasResolucion& tablas);
  ValoresActividad Resolver(const EntradaSoluc& entrada);

 private:
  BusquedaPrimera asignacion_;  // ASIGT by CASIG, CGRUP
  BusquedaPrimera tarea_;       // ASIGNOMT by COD
  BusquedaPrimera tramo_;       // DIASHORAST by DIHO
  BusquedaPrimera aula_;        // AULAT by ABREV
  BusquedaPrimera grupo_;       // GRUPOST by ABREV
  BusquedaPrimera materia_;     // ASIGNOMT2 by COD, OFERTAMATRI
};

}  // namespace vadelto
