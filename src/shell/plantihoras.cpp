#include "shell/plantihoras.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "shell/ayuda.h"
#include "shell/componentes.h"
#include "shell/cuadros.h"
#include "shell/panel_degradado.h"

namespace vadelto {
namespace {

constexpr int kContextoAyuda = 3;

}  // namespace

TPlantillas::TPlantillas(std::filesystem::path rutaXml, Ayuda& ayuda, QWidget* propietario)
    : QDialog(propietario, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      rutaXml_(std::move(rutaXml)) {
  setObjectName("Plantillas");
  setWindowTitle("Plantillas Horarias");
  setFont(FuenteSansSerif());
  // The client area of a 378 x 269 window with the classic Windows frame.
  setFixedSize(370, 235);
  move(368, 228);

  Draw3D4 = new PanelDegradado({colores::kAzulCielo, colores::kBlanco,
                                colores::kTextoTituloInactivo, colores::kTextoTituloInactivo},
                               this);
  Draw3D4->setObjectName("Draw3D4");
  Draw3D4->setGeometry(0, 0, 369, 233);

  const QFont etiqueta13 = FuenteArial(13, true);
  const QFont etiqueta16 = FuenteArial(16, true);
  LabelPlantillas = CrearEtiqueta(
      Draw3D4, {"LabelPlantillas",
                "Seleccione la Plantilla Horaria que quiere aplicar a su Horario en Horavel.",
                {16, 2, 321, 33},
                etiqueta13,
                colores::kNegro,
                true});
  Label2 = CrearEtiqueta(Draw3D4, {"Label2",
                                   "Las Horas de la Plantilla del día seleccionado, se "
                                   "propagarán sobre todos los días de las Semana.",
                                   {16, 34, 321, 33},
                                   etiqueta13,
                                   colores::kRojo,
                                   true});
  Label1 =
      CrearEtiqueta(Draw3D4, {"Label1", "HORAS", {215, 68, 67, 18}, etiqueta16, colores::kGranate});

  ComboBoxPlantilla = new QComboBox(Draw3D4);
  ComboBoxPlantilla->setObjectName("ComboBoxPlantilla");
  ComboBoxPlantilla->setGeometry(8, 87, 81, 21);
  ComboBoxPlantilla->setEditable(true);
  ComboBoxPlantilla->setCompleter(nullptr);
  ComboBoxPlantilla->setInsertPolicy(QComboBox::NoInsert);
  ComboBoxPlantilla->setFont(FuenteSansSerif(true));
  QPalette amarillo = ComboBoxPlantilla->palette();
  amarillo.setColor(QPalette::Base, colores::kAmarillo);
  ComboBoxPlantilla->setPalette(amarillo);

  ListBox1 = new QListWidget(Draw3D4);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(152, 85, 193, 114);

  LabelNombre = CrearEtiqueta(
      Draw3D4, {"LabelNombre", "-", {9, 114, 120, 23}, etiqueta16, colores::kGranate});
  LabelPlanFec1 = CrearEtiqueta(
      Draw3D4, {"LabelPlanFec1", "-", {9, 144, 120, 23}, etiqueta16, colores::kGranate});
  LabelPlanFec2 = CrearEtiqueta(
      Draw3D4, {"LabelPlanFec2", "-", {9, 176, 120, 23}, etiqueta16, colores::kGranate});

  BitBtnContinuar = CrearBoton(Draw3D4, "BitBtnContinuar", "Continuar", {255, 203, 89, 25},
                               QStyle::SP_DialogOkButton);
  BitBtnContinuar->setFont(FuenteSansSerif(true));
  BitBtnContinuar->setDefault(true);

  setTabOrder(BitBtnContinuar, ComboBoxPlantilla);
  setTabOrder(ComboBoxPlantilla, ListBox1);
  BitBtnContinuar->setFocus();  // the first in the tab order has the focus at the start

  // The line edit's text changes once for each key typed and each item picked.
  connect(ComboBoxPlantilla, &QComboBox::currentTextChanged, this,
          &TPlantillas::ComboBoxPlantillaChange);
  connect(BitBtnContinuar, &QPushButton::clicked, this, &QDialog::accept);
  ayuda.AtenderF1(*this, kContextoAyuda);
}

void TPlantillas::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  FormActivate();
}

void TPlantillas::FormActivate() {
  modelo_.Cargar(rutaXml_);
  const std::vector<std::string> codigos = modelo_.Codigos();
  {
    // Filling the list is no change of the user's; the one update follows.
    const QSignalBlocker bloqueo(ComboBoxPlantilla);
    if (!codigos.empty()) {
      ComboBoxPlantilla->clear();
      for (const std::string& codigo : codigos) ComboBoxPlantilla->addItem(TextoQt(codigo));
    }
    ComboBoxPlantilla->setCurrentIndex(0);
  }
  ComboBoxPlantillaChange();
}

void TPlantillas::ComboBoxPlantillaChange() {
  const VistaPlantilla vista =
      modelo_.ComboBoxPlantillaChange(TextoAnsi(ComboBoxPlantilla->currentText()));
  LabelNombre->setText(TextoQt(vista.Nombre));
  LabelPlanFec1->setText(TextoQt(vista.Fecha1));
  LabelPlanFec2->setText(TextoQt(vista.Fecha2));
  if (vista.Horas) {
    ListBox1->clear();
    for (const std::string& hora : *vista.Horas) ListBox1->addItem(TextoQt(hora));
  }
}

// "Continuar", the close box and Escape alike hand back the code in the drop-down.
void TPlantillas::done(int resultado) {
  FormClose();
  QDialog::done(resultado);
}

void TPlantillas::FormClose() {
  plantillaElegida_ = vadelto::PlantillaElegida(TextoAnsi(ComboBoxPlantilla->currentText()));
}

}  // namespace vadelto
