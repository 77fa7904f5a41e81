#include "shell/ayuda.h"

#include <QApplication>
#include <QProcess>
#include <QShortcut>
#include <QStandardPaths>
#include <QWidget>
#include <filesystem>

#include "shell/cuadros.h"
#include "tables/unidad.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {

// Viewers of compiled HTML help, most common first.
constexpr const char* kVisores[] = {"xchm", "kchmviewer", "chmsee"};

QString VisorInstalado() {
  for (const char* visor : kVisores) {
    const QString ruta = QStandardPaths::findExecutable(QString::fromUtf8(visor));
    if (!ruta.isEmpty()) return ruta;
  }
  return {};
}

QWidget* VentanaActiva() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

}  // namespace

void Ayuda::AtenderF1(QWidget& ventana, int contexto) {
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &ventana);
  QObject::connect(f1, &QShortcut::activated, &ventana,
                   [this, contexto] { MostrarTema(contexto); });
}

Ayuda::Visor VisorChm(QString carpetaPrograma) {
  return [carpetaPrograma](const PeticionAyuda& peticion) {
    const std::filesystem::path archivo =
        BuscarSinMayusculas(carpetaPrograma.toStdString(), peticion.archivo.toStdString());
    if (!std::filesystem::exists(archivo)) {
      CuadroMensaje(VentanaActiva(), mensajes::FaltaArchivoAyuda(TextoAnsi(peticion.archivo),
                                                                 TextoAnsi(carpetaPrograma)));
      return;
    }
    const QString visor = VisorInstalado();
    if (visor.isEmpty() ||
        !QProcess::startDetached(visor, {QString::fromStdString(archivo.string())})) {
      CuadroMensaje(VentanaActiva(), mensajes::FaltaVisorAyuda(TextoAnsi(peticion.archivo)));
    }
  };
}

}  // namespace vadelto
