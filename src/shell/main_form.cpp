#include "shell/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "sesion/modo_incrustado.h"
#include "shell/accesibilidad.h"
#include "shell/anfitrion.h"
#include "shell/ayuda.h"
#include "shell/componentes.h"
#include "shell/cuadros.h"
#include "shell/panel_degradado.h"
#include "shell/plantihoras.h"
#include "tables/unidad.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {

constexpr int kContextoAyuda = 3;

const PanelDegradado::Colores kColoresFranjaInferior{
    {194, 205, 254}, {207, 242, 254}, {204, 216, 230}, {204, 216, 230}};
const PanelDegradado::Colores kColoresConversiones{
    {249, 211, 125}, {255, 255, 255}, {255, 238, 221}, {0, 255, 0}};

PanelDegradado* CrearPanel(QWidget* contenedor, const char* nombre, const QRect& limites,
                           const PanelDegradado::Colores& colores) {
  auto* panel = new PanelDegradado(colores, contenedor);
  panel->setObjectName(QString::fromUtf8(nombre));
  panel->setGeometry(limites);
  return panel;
}

}  // namespace

TMForm::TMForm(Arranque arranque, Anfitrion& anfitrion, Ayuda& ayuda)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      arranque_(std::move(arranque)),
      anfitrion_(anfitrion),
      ayuda_(ayuda) {
  setObjectName("MForm");
  setWindowTitle("Exportar e importar datos entre Horavel y Racima");
  setFont(FuenteSansSerif());
  setFixedSize(632, 266);
  if (const QScreen* pantalla = screen()) {
    move(pantalla->availableGeometry().center() - rect().center());
  }
  CrearComponentes();
  ayuda_.AtenderF1(*this, kContextoAyuda);
  sesion_.CarpetaPrograma = arranque_.carpetaPrograma;
  sesion_.CarpetaTablas = CarpetaHvdat();
  Atrapar([this] { FormCreate(); });
}

void TMForm::CrearComponentes() {
  const QFont titulo = FuenteArial(16, true);
  Draw3D1 = CrearPanel(this, "Draw3D1", {0, 168, 633, 97}, kColoresFranjaInferior);
  Draw3D2 = CrearPanel(this, "Draw3D2", {1, 0, 315, 169}, kColoresConversiones);
  BExportar =
      CrearBoton(Draw3D2, "BExportar", "Aceptar", {96, 120, 89, 25}, QStyle::SP_DialogOkButton);
  BClose = CrearBoton(Draw3D1, "BClose", "&Salir", {256, 32, 89, 25}, QStyle::SP_DialogCloseButton);
  Label3 = CrearEtiqueta(Draw3D2, {"Label3",
                                   "Transformar datos desde Racima hacia Horavel ",
                                   {24, 24, 265, 57},
                                   titulo,
                                   colores::kNegro,
                                   true});
  Draw3D3 = CrearPanel(this, "Draw3D3", {316, 0, 317, 169}, kColoresConversiones);
  Label4 = CrearEtiqueta(Draw3D3, {"Label4",
                                   "Transformar datos desde Horavel hacia Racima",
                                   {8, 24, 305, 57},
                                   titulo,
                                   colores::kNegro,
                                   true});
  BImportar =
      CrearBoton(Draw3D3, "BImportar", "Aceptar", {96, 120, 89, 25}, QStyle::SP_DialogOkButton);

  Label1 = CrearEtiqueta(Draw3D1, {"Label1",
                                   "Vadelto para QP7 V-1.0",
                                   {8, 72, 226, 13},
                                   FuenteSansSerif(true),
                                   colores::kRojo});
  Button1 = CrearBoton(Draw3D1, "Button1", "F1 Ayuda", {263, 64, 75, 25}, std::nullopt);

  connect(BExportar, &QPushButton::clicked, this, [this] { Ejecutar(arranque_.exportar); });
  connect(BImportar, &QPushButton::clicked, this, [this] { Ejecutar(arranque_.importar); });
  connect(BClose, &QPushButton::clicked, this, &QWidget::close);
  connect(Button1, &QPushButton::clicked, this, [this] { Atrapar([this] { Button1Click(); }); });
}

void TMForm::FormCreate() {
  sesion_.CodigoResultado = 0;
  if (!SeleccionaModoIncrustado(arranque_.parametros)) return;
  const std::string& texto = arranque_.parametros[1];
  const std::uint32_t manejador = ManejadorAnfitrion(texto);
  // A handle that names no window would leave a frameless window lost on the screen.
  if (!anfitrion_.Existe(manejador)) throw Error(mensajes::VentanaNoValida("$" + texto));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  anfitrion_.Incrustar(*this, manejador);
  MostrarEnArbolAccesible(this);
  sesion_.ModoIncrustado = static_cast<int>(arranque_.parametros.size());
}

void TMForm::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (mostrada_) return;
  mostrada_ = true;
  // The requested conversion starts once the window is on the screen.
  QMetaObject::invokeMethod(
      this,
      [this] {
        RecuperarFoco();
        FormShow();
      },
      Qt::QueuedConnection);
}

void TMForm::FormShow() {
  switch (AccionAlMostrar(arranque_.parametros)) {
    case Accion::Importar:
      Ejecutar(arranque_.importar);
      break;
    case Accion::Exportar:
      Ejecutar(arranque_.exportar);
      break;
    case Accion::Ninguna:
      break;
  }
}

void TMForm::closeEvent(QCloseEvent* evento) {
  // When Horavel.ini cannot be written the error is shown and the window closes all the
  // same: refusing the close would leave a window that can only be ended from outside.
  Atrapar([this] { FormClose(); });
  evento->accept();
  emit Cerrada();
}

void TMForm::FormClose() {
  GuardarCodigoResultado(sesion_);
}

void TMForm::Button1Click() {
  ayuda_.CambiarArchivo("RACIMA.chm");
  ayuda_.MostrarContenido();
}

void TMForm::Ejecutar(const Conversion& conversion) {
  Atrapar([&] { conversion(sesion_, *this); });
}

void TMForm::Atrapar(const std::function<void()>& manejador) {
  std::string mensaje;
  try {
    manejador();
    RecuperarFoco();
    return;
  } catch (const Error& error) {
    mensaje = error.Mensaje();
  } catch (const std::exception& error) {
    mensaje = AnsiDesdeUtf8(error.what());
  }
  RelojDeArena(false);
  CuadroError(this, mensaje);
  RecuperarFoco();
}

// An embedded window takes the keyboard when it appears and back after each handler, since X
// gives it to no one when a dialog closes.
void TMForm::RecuperarFoco() {
  if (sesion_.Incrustado() && isVisible()) anfitrion_.DarFoco(*this);
}

std::optional<std::filesystem::path> TMForm::ElegirDocumento() {
  // A dialog of its own each time, in the folder chosen last: a reused one could hand back
  // the file still selected in its list instead of the name the user typed.
  QFileDialog OpenDialogXML(this, "Archivo XML", carpetaDocumentos_);
  OpenDialogXML.setObjectName("OpenDialogXML");
  OpenDialogXML.setOption(QFileDialog::DontUseNativeDialog);
  OpenDialogXML.setAcceptMode(QFileDialog::AcceptOpen);
  // A name typed for a file that does not exist is accepted: the conversion then says so.
  OpenDialogXML.setFileMode(QFileDialog::AnyFile);
  OpenDialogXML.setNameFilter("*.xml");
  OpenDialogXML.setDefaultSuffix("xml");
  if (OpenDialogXML.exec() != QDialog::Accepted || OpenDialogXML.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  carpetaDocumentos_ = OpenDialogXML.directory().absolutePath();
  const std::filesystem::path elegido(OpenDialogXML.selectedFiles().constFirst().toStdString());
  // As on Windows, a typed name finds its file whatever the letter case (the default
  // extension is added in lower case).
  return BuscarSinMayusculas(elegido.parent_path(), elegido.filename().string());
}

void TMForm::MostrarMensaje(const std::string& texto) {
  CuadroMensaje(this, texto);
}

void TMForm::RelojDeArena(bool activo) {
  if (activo == relojActivo_) return;
  relojActivo_ = activo;
  if (activo) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

std::string TMForm::ElegirPlantilla(const std::filesystem::path& rutaXml) {
  TPlantillas Plantillas(rutaXml, ayuda_, this);
  Plantillas.exec();
  return Plantillas.PlantillaElegida();
}

void TMForm::DesactivarBotones() {
  BExportar->setEnabled(false);
  BImportar->setEnabled(false);
}

void TMForm::CerrarVentana() {
  close();
}

}  // namespace vadelto
