#include "shell/cuadros.h"

#include <QMessageBox>

#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto {
namespace {

void Cuadro(QWidget* padre, QMessageBox::Icon icono, const std::string& ansi) {
  QMessageBox cuadro(icono, QString::fromUtf8(kTituloAplicacion), TextoQt(ansi), QMessageBox::Ok,
                     padre);
  cuadro.exec();
}

}  // namespace

QString TextoQt(std::string_view ansi) {
  return QString::fromStdString(Utf8DesdeAnsi(ansi));
}

std::string TextoAnsi(const QString& texto) {
  return AnsiDesdeUtf8(texto.toStdString());
}

void CuadroMensaje(QWidget* padre, const std::string& ansi) {
  Cuadro(padre, QMessageBox::NoIcon, ansi);
}

void CuadroError(QWidget* padre, const std::string& ansi) {
  Cuadro(padre, QMessageBox::Critical, ConPuntoFinal(ansi));
}

}  // namespace vadelto
