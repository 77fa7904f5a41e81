#pragma once

// Modal dialogs block a test; a Vigilante works each one that appears while it lives, so a
// test can drive the real dialogs and never hangs on an unexpected one.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include <QMessageBox>

namespace vadelto::prueba {

// What a message box showed.
struct CuadroVisto {
  QString titulo;
  QString texto;
  QMessageBox::Icon icono;
  QStringList botones;
};

class Vigilante : public QObject {
 public:
  using Accion = std::function<void(QWidget*)>;

  // Each new modal dialog goes to the next action given; once they are used up, a message
  // box is answered with its default button and any other dialog is rejected.
  explicit Vigilante(std::vector<Accion> acciones = {});

  const std::vector<CuadroVisto>& Cuadros() const { return cuadros_; }
  QStringList TextosDeCuadros() const;
  int Dialogos() const { return dialogos_; }

 private:
  void Vigilar();

  std::deque<Accion> acciones_;
  std::vector<CuadroVisto> cuadros_;
  int dialogos_ = 0;
  QPointer<QWidget> atendido_;
  QTimer reloj_;
};

}  // namespace vadelto::prueba
