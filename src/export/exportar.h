#pragma once

#include "sesion/interfaz.h"
#include "sesion/sesion.h"

namespace vadelto {

// The export: Racima exchange document in, seven steps, Horavel's working tables out.
// Errors of a step are raised as vadelto::Error after the hourglass is restored; the
// working tables are then exactly as they were.
void BExportarClick(Sesion& sesion, Interfaz& interfaz);

}  // namespace vadelto
