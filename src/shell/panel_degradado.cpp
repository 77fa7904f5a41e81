#include "shell/panel_degradado.h"

#include <QLinearGradient>
#include <QPainter>

namespace vadelto {

PanelDegradado::PanelDegradado(const Colores& colores, QWidget* padre)
    : QWidget(padre), colores_(colores) {
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, colores_.base);
  setPalette(paleta);
  setAutoFillBackground(true);
}

void PanelDegradado::paintEvent(QPaintEvent*) {
  QLinearGradient degradado(0, 0, 0, height());
  degradado.setColorAt(0.0, colores_.inicio);
  degradado.setColorAt(0.5, colores_.medio);
  degradado.setColorAt(1.0, colores_.fin);
  QPainter pintor(this);
  pintor.fillRect(rect(), degradado);
}

}  // namespace vadelto
