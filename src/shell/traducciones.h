#pragma once

class QApplication;

namespace vadelto {

// Qt's own texts (dialog buttons, the file dialog) in Spanish, whatever the system's
// language, as every text of the program is.
void CargarTraduccionesQt(QApplication& aplicacion);

}  // namespace vadelto
