#pragma once

#include "sesion/interfaz.h"
#include "sesion/sesion.h"

namespace vadelto {

// The import: Horavel's working tables and solved timetable in, resolution, Racima result
// document out. Errors are raised as vadelto::Error after the hourglass is restored and
// the tables closed; no result document is written then.
void BImportarClick(Sesion& sesion, Interfaz& interfaz);

}  // namespace vadelto
