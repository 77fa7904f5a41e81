#pragma once

#include <QColor>
#include <QWidget>

namespace vadelto {

// A rectangle filled from top to bottom with a three-colour gradient, behind other
// controls. The base colour shows where no gradient is drawn.
class PanelDegradado : public QWidget {
 public:
  struct Colores {
    QColor inicio;
    QColor medio;
    QColor fin;
    QColor base;
  };

  PanelDegradado(const Colores& colores, QWidget* padre);
  const Colores& ColoresDelPanel() const { return colores_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  Colores colores_;
};

}  // namespace vadelto
