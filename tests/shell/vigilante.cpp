#include "shell/vigilante.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace vadelto::prueba {

Vigilante::Vigilante(std::vector<Accion> acciones) : acciones_(acciones.begin(), acciones.end()) {
  connect(&reloj_, &QTimer::timeout, this, &Vigilante::Vigilar);
  reloj_.start(10);
}

QStringList Vigilante::TextosDeCuadros() const {
  QStringList textos;
  for (const CuadroVisto& cuadro : cuadros_) textos << cuadro.texto;
  return textos;
}

void Vigilante::Vigilar() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) {
    atendido_ = nullptr;
    return;
  }
  if (modal == atendido_) return;
  atendido_ = modal;
  ++dialogos_;
  // A dialog shown again right after it closes is a new one to work.
  if (auto* dialogo = qobject_cast<QDialog*>(modal)) {
    connect(
        dialogo, &QDialog::finished, this, [this] { atendido_ = nullptr; },
        Qt::SingleShotConnection);
  }
  auto* cuadro = qobject_cast<QMessageBox*>(modal);
  if (cuadro) {
    QStringList botones;
    for (QAbstractButton* boton : cuadro->buttons()) botones << boton->text();
    cuadros_.push_back({cuadro->windowTitle(), cuadro->text(), cuadro->icon(), botones});
  }
  if (!acciones_.empty()) {
    const Accion accion = std::move(acciones_.front());
    acciones_.pop_front();
    accion(modal);
  } else if (cuadro && cuadro->defaultButton()) {
    cuadro->defaultButton()->click();
  } else if (auto* dialogo = qobject_cast<QDialog*>(modal)) {
    dialogo->reject();
  }
}

}  // namespace vadelto::prueba
