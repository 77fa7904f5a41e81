#include "shell/componentes.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

namespace vadelto {
namespace {

QFont Fuente(const QStringList& familias, int pixeles, bool negrita) {
  QFont fuente;
  fuente.setFamilies(familias);
  fuente.setPixelSize(pixeles);
  fuente.setBold(negrita);
  return fuente;
}

}  // namespace

QFont FuenteSansSerif(bool negrita) {
  return Fuente({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, 11, negrita);
}

QFont FuenteArial(int pixeles, bool negrita) {
  return Fuente({"Arial", "Liberation Sans", "DejaVu Sans"}, pixeles, negrita);
}

QLabel* CrearEtiqueta(QWidget* contenedor, const Etiqueta& etiqueta) {
  auto* label = new QLabel(etiqueta.texto, contenedor);
  label->setObjectName(QString::fromUtf8(etiqueta.nombre));
  label->setGeometry(etiqueta.limites);
  label->setFont(etiqueta.fuente);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(etiqueta.ajustarPalabras);
  QPalette paleta = label->palette();
  paleta.setColor(QPalette::WindowText, etiqueta.color);
  label->setPalette(paleta);
  return label;
}

QPushButton* CrearBoton(QWidget* contenedor, const char* nombre, const QString& texto,
                        const QRect& limites, std::optional<QStyle::StandardPixmap> glifo) {
  auto* boton = new QPushButton(texto, contenedor);
  boton->setObjectName(QString::fromUtf8(nombre));
  boton->setGeometry(limites);
  if (glifo) boton->setIcon(boton->style()->standardIcon(*glifo));
  return boton;
}

}  // namespace vadelto
