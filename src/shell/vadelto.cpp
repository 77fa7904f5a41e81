// vadelto: the window program. Stand-alone, it waits for the user; started by Horavel with
// an action word and its window handle, it runs that conversion inside Horavel's window and
// leaves the outcome in Horavel.ini.

#include <QApplication>
#include <string>
#include <vector>

#include "export/exportar.h"
#include "import/importar.h"
#include "shell/accesibilidad.h"
#include "shell/anfitrion.h"
#include "shell/ayuda.h"
#include "shell/cuadros.h"
#include "shell/main_form.h"
#include "shell/traducciones.h"
#include "text/cp1252.h"

int main(int argc, char** argv) {
  using namespace vadelto;
  // Counted before Qt takes its own options out of the command line.
  std::vector<std::string> parametros;
  for (int i = 1; i < argc; ++i) parametros.push_back(AnsiDesdeUtf8(argv[i]));

  InstalarAccesibilidad();
  QApplication aplicacion(argc, argv);
  QApplication::setApplicationName(kTituloAplicacion);
  CargarTraduccionesQt(aplicacion);

  const QString carpetaPrograma = QApplication::applicationDirPath();
  Ayuda ayuda("DAZOD.chm", VisorChm(carpetaPrograma));
  AnfitrionX11 anfitrion;
  TMForm MForm(
      {std::move(parametros), carpetaPrograma.toStdString(), BExportarClick, BImportarClick},
      anfitrion, ayuda);
  QObject::connect(&MForm, &TMForm::Cerrada, &aplicacion, &QApplication::quit);
  MForm.show();
  return aplicacion.exec();
}
