#pragma once

class QWidget;

namespace vadelto {

// The accessibility tree lists only top-level windows; an embedded window is a child of a
// foreign one. This adds it to the application's children, so assistive technology sees it.
// Install before the application object exists.
void InstalarAccesibilidad();
void MostrarEnArbolAccesible(QWidget* ventanaIncrustada);

}  // namespace vadelto
