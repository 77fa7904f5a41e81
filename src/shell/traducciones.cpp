#include "shell/traducciones.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vadelto {

void CargarTraduccionesQt(QApplication& aplicacion) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  auto* traductor = new QTranslator(&aplicacion);
  if (traductor->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(traductor);
  }
}

}  // namespace vadelto
