#include "shell/accesibilidad.h"

#include <QAccessible>
#include <QAccessibleApplication>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace vadelto {
namespace {

// Accessibility factories are plain functions: the window they add lives here.
QPointer<QWidget>& VentanaIncrustada() {
  static QPointer<QWidget> ventana;
  return ventana;
}

class AplicacionAccesible : public QAccessibleApplication {
 public:
  int childCount() const override { return Propios() + (VentanaIncrustada() ? 1 : 0); }

  QAccessibleInterface* child(int indice) const override {
    if (VentanaIncrustada() && indice == Propios()) {
      return QAccessible::queryAccessibleInterface(VentanaIncrustada().data());
    }
    return QAccessibleApplication::child(indice);
  }

  int indexOfChild(const QAccessibleInterface* hijo) const override {
    if (VentanaIncrustada() && hijo && hijo->object() == VentanaIncrustada().data()) {
      return Propios();
    }
    return QAccessibleApplication::indexOfChild(hijo);
  }

 private:
  int Propios() const { return QAccessibleApplication::childCount(); }
};

QAccessibleInterface* Fabrica(const QString&, QObject* objeto) {
  if (objeto && objeto == qApp) return new AplicacionAccesible;
  return nullptr;
}

}  // namespace

void InstalarAccesibilidad() {
  QAccessible::installFactory(Fabrica);
}

void MostrarEnArbolAccesible(QWidget* ventanaIncrustada) {
  VentanaIncrustada() = ventanaIncrustada;
}

}  // namespace vadelto
