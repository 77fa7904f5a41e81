#pragma once

// Synthetic schools of a chosen size for measuring and for comparing conversions: a Racima
// exchange document, the level table that goes with it, and a solved timetable (SOLUC) over
// the tables an export of that document wrote. Everything follows from the size and a seed,
// so the same call always gives the same bytes.

#include <filesystem>
#include <string>

namespace vadelto::sintetico {

struct Tamano {
  int profesores;
  int ofertas;  // subject offerings (MATERIAS records)
  int grupos;   // UNIDADES records
  int tramosDia;
  int entradas;  // SOLUC rows
};

// A large school; M and L are 10 and 100 times as much of everything but the slots of a day.
Tamano TamanoS();
Tamano Escalado(const Tamano& base, int veces);

// With `repetidos`, names, ids and codes repeat often (the same subject name in other letter
// case or with blanks, the same (subject, offering) pair twice, teachers of the same name,
// groups of one course offering sharing a name), so that which row comes first matters.
std::string DocumentoXml(const Tamano& tamano, unsigned semilla, bool repetidos);

// NIVELLARI.DBF in `carpeta`: a fixed table of levels, as the region's, that knows some of the
// document's course offerings (with a blank level or study now and then) and not others.
void EscribirNiveles(const std::filesystem::path& carpeta);

// SOLUC.DBF in `hvdat`: entries for PROFT's teachers with ASIGT's subject/group pairs,
// AULAT's rooms and DIASHORAST's slots, some unplaced and some with codes no table holds.
// dBase III, as the timetabling program writes it: PROF C(10), DIA N(1), HORA N(2), ASIG,
// CODGRUPO, TAREA, AULA C(10).
void EscribirSoluc(const std::filesystem::path& hvdat, const Tamano& tamano, unsigned semilla);

}  // namespace vadelto::sintetico
