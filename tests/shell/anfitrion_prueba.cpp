// A stand-in for Horavel's window in the end-to-end test: a plain window that prints its
// native window id in hexadecimal, without prefix, once it is shown, and stays until killed.

#include <QApplication>
#include <QTextStream>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication aplicacion(argc, argv);
  QWidget ventana;
  ventana.setWindowTitle("Horavel de prueba");
  ventana.resize(900, 500);
  ventana.setStyleSheet("background: #606878;");
  ventana.show();
  QTextStream(stdout) << QString::number(ventana.winId(), 16).toUpper() << Qt::endl;
  return aplicacion.exec();
}
