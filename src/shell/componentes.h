#pragma once

// What both forms are made of: their fonts (with look-alikes where a font is not
// installed), the colours they name, and their labels and buttons placed by bounds.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStyle>
#include <optional>

class QLabel;
class QPushButton;
class QWidget;

namespace vadelto {

// MS Sans Serif, 11 pixels high: the forms' default font.
QFont FuenteSansSerif(bool negrita = false);
// Arial at the given pixel height.
QFont FuenteArial(int pixeles, bool negrita);

namespace colores {
inline const QColor kRojo{255, 0, 0};
inline const QColor kGranate{128, 0, 0};
inline const QColor kNegro{0, 0, 0};
inline const QColor kAmarillo{255, 255, 0};
inline const QColor kBlanco{255, 255, 255};
inline const QColor kAzulCielo{166, 202, 240};
// The inactive caption text of the classic Windows scheme.
inline const QColor kTextoTituloInactivo{212, 208, 200};
}  // namespace colores

struct Etiqueta {
  const char* nombre;
  QString texto;
  QRect limites;  // left, top, width, height in its container
  QFont fuente;
  QColor color;
  bool ajustarPalabras = false;
};
// A transparent label, its text at the top left.
QLabel* CrearEtiqueta(QWidget* contenedor, const Etiqueta& etiqueta);

// A push button; OK-kind and close-kind buttons carry the standard glyph.
QPushButton* CrearBoton(QWidget* contenedor, const char* nombre, const QString& texto,
                        const QRect& limites, std::optional<QStyle::StandardPixmap> glifo);

}  // namespace vadelto
