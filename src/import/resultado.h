#pragma once

// The Racima result document, built on the document the user chose: its root is replaced by
// SERVICIO with the academic year and one regular timetable per teacher. Values come in as
// Windows-1252 and are converted to UTF-8 as they enter the document.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/xml_document.h"

namespace vadelto {

// One placed timetable entry, as the import resolves it; any value may be empty.
struct ValoresActividad {
  std::string dia;          // N_DIASEMANA
  std::string tramo;        // X_TRAMO
  std::string dependencia;  // X_DEPENDENCIA; blank gives the empty text
  std::string unidad;       // X_UNIDAD
  std::string oferta;       // X_OFERTAMATRIG
  std::string materia;      // X_MATERIAOMG
  std::string horaDesde;    // N_HORINI, as hh:mm
  std::string horaHasta;    // N_HORFIN, as hh:mm
  std::string actividad;    // X_ACTIVIDAD; blank gives "1"
};

// Minutes after midnight of a clock time hh:mm ("08:30" gives 510, "9:05" 545, "" 0). A text
// whose hours or minutes are no integer raises the conversion error naming that part.
std::int32_t MinutosDeHora(std::string_view hora);

// The assembly, used in this order: IniciarResultado once, then per teacher
// AnadirGrupoProfesor followed by one AnadirGrupoActividad per placed entry, then
// GuardarResultado. The nodes belong to the document; this only points at them. Each teacher's
// timetable is turned into text as soon as the next one starts, and leaves the tree, so a
// large centre's result is never held as a tree at once.
class Resultado {
 public:
  // Replaces the root of `documento` (declaration, comments and processing instructions
  // stay); `fecha` is the time of writing, as the user's short date and long time forms.
  void IniciarResultado(xml::Document& documento, std::string_view anno, int profesores,
                        std::string_view fecha);
  void AnadirGrupoProfesor(int numero, std::string_view empleado, std::string_view tomaPosesion,
                           int actividades);
  void AnadirGrupoActividad(int numero, const ValoresActividad& valores,
                            std::string_view fechaInicio, std::string_view fechaFin);
  // Creates or replaces the file atomically, in the encoding of the kept declaration.
  void GuardarResultado(const std::filesystem::path& ruta);

 private:
  void VolcarProfesor();

  xml::Document* documento_ = nullptr;
  xml::Node horarios_;
  xml::Node profesor_;
  // The saved document around the timetables, and the timetables written so far; all empty
  // while the whole tree is kept (an encoding in which the cut cannot be found).
  std::string antes_, despues_, horariosTexto_;
  bool enTexto_ = false;
};

}  // namespace vadelto
