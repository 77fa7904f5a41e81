// The main window, driven offscreen with fake conversions and host: its components, the
// command line, the result code on close, the error box, help and the file dialog.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "shell/anfitrion.h"
#include "shell/ayuda.h"
#include "shell/componentes.h"
#include "shell/cuadros.h"
#include "shell/main_form.h"
#include "shell/panel_degradado.h"
#include "shell/traducciones.h"
#include "shell/vigilante.h"
#include "support/temp_drive.h"
#include "text/error.h"

namespace vadelto {
namespace fs = std::filesystem;
using prueba::Vigilante;

namespace {

// Only 1A2B names a window.
class AnfitrionDePrueba : public Anfitrion {
 public:
  bool Existe(std::uint32_t manejador) override { return manejador == 0x1A2B; }
  void Incrustar(QWidget&, std::uint32_t manejador) override { incrustadoEn = manejador; }
  void DarFoco(QWidget&) override {}
  std::optional<std::uint32_t> incrustadoEn;
};

// One window under test, in a temporary drive, with its program folder.
struct Banco {
  prueba::UnidadTemporal unidad;
  AnfitrionDePrueba anfitrion;
  std::vector<PeticionAyuda> peticiones;
  Ayuda ayuda{"DAZOD.chm", [this](const PeticionAyuda& p) { peticiones.push_back(p); }};
  int exportaciones = 0;
  int importaciones = 0;
  TMForm::Conversion alExportar = [](Sesion&, Interfaz&) {};
  std::unique_ptr<TMForm> ventana;

  fs::path Programa() const { return unidad.Carpeta("programa"); }
  fs::path HoravelIni() const { return Programa() / "Horavel.ini"; }

  TMForm& Crear(const QStringList& parametros) {
    std::vector<std::string> ansi;
    for (const QString& p : parametros) ansi.push_back(TextoAnsi(p));
    ventana =
        std::make_unique<TMForm>(TMForm::Arranque{ansi, Programa(),
                                                  [this](Sesion& s, Interfaz& i) {
                                                    ++exportaciones;
                                                    alExportar(s, i);
                                                  },
                                                  [this](Sesion&, Interfaz&) { ++importaciones; }},
                                 anfitrion, ayuda);
    return *ventana;
  }

  // Shows the window and lets the action on show run.
  void Mostrar() {
    ventana->show();
    QTest::qWait(50);
  }

  template <typename T>
  T* Componente(const char* nombre) const {
    return ventana->findChild<T*>(QString::fromUtf8(nombre));
  }
};

QImage Glifo(QStyle::StandardPixmap glifo) {
  return QApplication::style()->standardIcon(glifo).pixmap(16).toImage();
}

bool Parecidos(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
         std::abs(a.blue() - b.blue()) <= 3;
}

}  // namespace

class PruebaVentana : public QObject {
  Q_OBJECT

 private slots:
  void componentes();
  void lineaDeOrdenes_data();
  void lineaDeOrdenes();
  void conversionTerminada_data();
  void conversionTerminada();
  void puntoFinalEnElCuadroDeError_data();
  void puntoFinalEnElCuadroDeError();
  void horavelIniImposibleNoImpideCerrar();
  void ayudaConF1YConElBoton();
  void visorChm();
  void dialogoDeArchivoYMensajes();
  void dialogoDePlantillas();
};

void PruebaVentana::componentes() {
  Banco banco;
  TMForm& ventana = banco.Crear({});
  banco.Mostrar();
  QCOMPARE(ventana.objectName(), "MForm");
  QCOMPARE(ventana.windowTitle(), "Exportar e importar datos entre Horavel y Racima");
  QCOMPARE(ventana.size(), QSize(632, 266));
  QCOMPARE(ventana.minimumSize(), ventana.maximumSize());
  QVERIFY(!(ventana.windowFlags() & Qt::FramelessWindowHint));
  QVERIFY(!(ventana.windowFlags() & Qt::WindowMaximizeButtonHint));
  QCOMPARE(ventana.font().pixelSize(), 11);
  QVERIFY(QFontInfo(ventana.font()).family() != "");
  QCOMPARE(QFontInfo(ventana.font()).family(), QFontInfo(FuenteSansSerif()).family());

  struct Esperado {
    const char* nombre;
    const char* contenedor;
    QRect limites;
    QString texto;
  };
  const Esperado esperados[] = {
      {"Draw3D1", "MForm", {0, 168, 633, 97}, {}},
      {"Draw3D2", "MForm", {1, 0, 315, 169}, {}},
      {"BExportar", "Draw3D2", {96, 120, 89, 25}, "Aceptar"},
      {"BClose", "Draw3D1", {256, 32, 89, 25}, "&Salir"},
      {"Label3", "Draw3D2", {24, 24, 265, 57}, "Transformar datos desde Racima hacia Horavel "},
      {"Draw3D3", "MForm", {316, 0, 317, 169}, {}},
      {"Label4", "Draw3D3", {8, 24, 305, 57}, "Transformar datos desde Horavel hacia Racima"},
      {"BImportar", "Draw3D3", {96, 120, 89, 25}, "Aceptar"},
      {"Label1", "Draw3D1", {8, 72, 226, 13}, "Vadelto para QP7 V-1.0"},
      {"Button1", "Draw3D1", {263, 64, 75, 25}, "F1 Ayuda"},
  };
  for (const Esperado& esperado : esperados) {
    auto* widget = banco.Componente<QWidget>(esperado.nombre);
    QVERIFY2(widget, esperado.nombre);
    QCOMPARE(widget->parentWidget()->objectName(), esperado.contenedor);
    QCOMPARE(widget->geometry(), esperado.limites);
    QVERIFY(widget->isVisible());
    if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), esperado.texto);
    if (auto* boton = qobject_cast<QPushButton*>(widget)) {
      QCOMPARE(boton->text(), esperado.texto);
      QVERIFY(boton->isEnabled());
    }
  }
  QCOMPARE(banco.Componente<QPushButton>("BExportar")->icon().pixmap(16).toImage(),
           Glifo(QStyle::SP_DialogOkButton));
  QCOMPARE(banco.Componente<QPushButton>("BImportar")->icon().pixmap(16).toImage(),
           Glifo(QStyle::SP_DialogOkButton));
  QCOMPARE(banco.Componente<QPushButton>("BClose")->icon().pixmap(16).toImage(),
           Glifo(QStyle::SP_DialogCloseButton));
  QVERIFY(banco.Componente<QPushButton>("Button1")->icon().isNull());

  for (const char* titulo : {"Label3", "Label4"}) {
    auto* label = banco.Componente<QLabel>(titulo);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->font().pixelSize(), 16);
    QVERIFY(label->font().bold());
    QCOMPARE(QFontInfo(label->font()).family(), QFontInfo(FuenteArial(16, true)).family());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  }
  auto* version = banco.Componente<QLabel>("Label1");
  QVERIFY(version->font().bold());
  QCOMPARE(version->font().pixelSize(), 11);
  QCOMPARE(version->palette().color(QPalette::WindowText), QColor(255, 0, 0));

  // Top, middle and bottom rows of each panel, away from its controls.
  struct Degradado {
    const char* panel;
    QColor inicio, medio, fin, base;
  };
  const Degradado degradados[] = {
      {"Draw3D1", {194, 205, 254}, {207, 242, 254}, {204, 216, 230}, {204, 216, 230}},
      {"Draw3D2", {249, 211, 125}, {255, 255, 255}, {255, 238, 221}, {0, 255, 0}},
      {"Draw3D3", {249, 211, 125}, {255, 255, 255}, {255, 238, 221}, {0, 255, 0}},
  };
  for (const Degradado& d : degradados) {
    auto* panel = banco.Componente<PanelDegradado>(d.panel);
    const QImage imagen = panel->grab().toImage();
    const int x = 2;
    QVERIFY2(Parecidos(imagen.pixelColor(x, 0), d.inicio), d.panel);
    QVERIFY2(Parecidos(imagen.pixelColor(x, imagen.height() / 2), d.medio), d.panel);
    QVERIFY2(Parecidos(imagen.pixelColor(x, imagen.height() - 1), d.fin), d.panel);
    QCOMPARE(panel->ColoresDelPanel().base, d.base);
  }

  fs::create_directories(VADELTO_ARTIFACTS_DIR);
  ventana.grab().save(VADELTO_ARTIFACTS_DIR "/ventana-offscreen.png");
}

void PruebaVentana::lineaDeOrdenes_data() {
  QTest::addColumn<QStringList>("parametros");
  QTest::addColumn<bool>("incrustada");
  QTest::addColumn<int>("exportaciones");
  QTest::addColumn<int>("importaciones");
  QTest::addColumn<QString>("error");

  QTest::newRow("ninguno") << QStringList{} << false << 0 << 0 << "";
  QTest::newRow("uno") << QStringList{"exportar"} << false << 0 << 0 << "";
  QTest::newRow("tres") << QStringList{"exportar", "1A2B", "x"} << false << 0 << 0 << "";
  QTest::newRow("EXPORTAR 1A2B") << QStringList{"EXPORTAR", "1A2B"} << true << 1 << 0 << "";
  QTest::newRow("importar 1a2b") << QStringList{"importar", "1a2b"} << true << 0 << 1 << "";
  QTest::newRow("palabra desconocida") << QStringList{"borrar", "1A2B"} << true << 0 << 0 << "";
  QTest::newRow("manejador no hexadecimal") << QStringList{"exportar", "XYZ"} << false << 1 << 0
                                            << "'$XYZ' no es un valor entero válido.";
  QTest::newRow("manejador sin ventana") << QStringList{"exportar", "FFFF"} << false << 1 << 0
                                         << "'$FFFF' no es un identificador de ventana válido.";
}

void PruebaVentana::lineaDeOrdenes() {
  QFETCH(QStringList, parametros);
  QFETCH(bool, incrustada);
  QFETCH(int, exportaciones);
  QFETCH(int, importaciones);
  QFETCH(QString, error);

  Banco banco;
  Vigilante vigilante;
  TMForm& ventana = banco.Crear(parametros);
  QCOMPARE(vigilante.TextosDeCuadros(), error.isEmpty() ? QStringList{} : QStringList{error});
  QCOMPARE(bool(ventana.windowFlags() & Qt::FramelessWindowHint), incrustada);
  QCOMPARE(banco.anfitrion.incrustadoEn.has_value(), incrustada);
  if (incrustada) QCOMPARE(*banco.anfitrion.incrustadoEn, 0x1A2Bu);
  QCOMPARE(ventana.Estado().ModoIncrustado, incrustada ? 2 : 0);
  QCOMPARE(ventana.Estado().CodigoResultado, 0);
  QCOMPARE(banco.exportaciones, 0);  // nothing runs before the window is shown

  banco.Mostrar();
  QCOMPARE(banco.exportaciones, exportaciones);
  QCOMPARE(banco.importaciones, importaciones);
  QVERIFY(ventana.isVisible());  // the fake conversions close nothing
  banco.Componente<QPushButton>("BClose")->click();
  QVERIFY(!ventana.isVisible());
  if (incrustada) {
    QCOMPARE(prueba::LeerArchivo(banco.HoravelIni()), "[Transformadores]\r\nTransformado=0\r\n");
  } else {
    QVERIFY(!fs::exists(banco.HoravelIni()));
  }
}

void PruebaVentana::conversionTerminada_data() {
  QTest::addColumn<QStringList>("parametros");
  QTest::newRow("incrustada") << QStringList{"exportar", "1A2B"};
  QTest::newRow("sola") << QStringList{};
}

// A conversion that finishes as the drivers do: result code, message, buttons, close.
void PruebaVentana::conversionTerminada() {
  QFETCH(QStringList, parametros);
  Banco banco;
  banco.alExportar = [](Sesion& sesion, Interfaz& interfaz) {
    interfaz.RelojDeArena(true);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    interfaz.RelojDeArena(false);
    sesion.CodigoResultado = 1;
    interfaz.MostrarMensaje("Proceso finalizado");
    interfaz.DesactivarBotones();
    if (sesion.Incrustado()) interfaz.CerrarVentana();
  };
  Vigilante vigilante;
  TMForm& ventana = banco.Crear(parametros);
  QSignalSpy cerrada(&ventana, &TMForm::Cerrada);
  banco.Mostrar();
  if (parametros.isEmpty()) banco.Componente<QPushButton>("BExportar")->click();

  QCOMPARE(vigilante.Cuadros().size(), 1u);
  const prueba::CuadroVisto& cuadro = vigilante.Cuadros().front();
  QCOMPARE(cuadro.titulo, "Vadelto");
  QCOMPARE(cuadro.texto, "Proceso finalizado");
  QCOMPARE(cuadro.icono, QMessageBox::NoIcon);
  QCOMPARE(cuadro.botones, QStringList{"Aceptar"});
  QVERIFY(!QApplication::overrideCursor());
  QVERIFY(!banco.Componente<QPushButton>("BExportar")->isEnabled());
  QVERIFY(!banco.Componente<QPushButton>("BImportar")->isEnabled());
  if (parametros.isEmpty()) {
    QVERIFY(ventana.isVisible());
    QCOMPARE(cerrada.count(), 0);
    ventana.close();
    QVERIFY(!fs::exists(banco.HoravelIni()));
  } else {
    QVERIFY(!ventana.isVisible());
    QCOMPARE(cerrada.count(), 1);
    QCOMPARE(prueba::LeerArchivo(banco.HoravelIni()), "[Transformadores]\r\nTransformado=1\r\n");
  }
}

void PruebaVentana::puntoFinalEnElCuadroDeError_data() {
  QTest::addColumn<QString>("mensaje");
  QTest::addColumn<QString>("mostrado");
  QTest::newRow("sin punto") << "Falla al crear ASIGNOMT"
                             << "Falla al crear ASIGNOMT.";
  QTest::newRow("con punto") << "Falla."
                             << "Falla.";
  QTest::newRow("acaba antes del punto") << "Falla (3)"
                                         << "Falla (3)";
  QTest::newRow("acaba en blanco") << "Falla "
                                   << "Falla ";
  QTest::newRow("acaba en letra acentuada") << "ATENCIÓN"
                                            << "ATENCIÓN.";
  QTest::newRow("vacio") << ""
                         << "";
}

void PruebaVentana::puntoFinalEnElCuadroDeError() {
  QFETCH(QString, mensaje);
  QFETCH(QString, mostrado);
  Banco banco;
  banco.alExportar = [&](Sesion&, Interfaz& interfaz) {
    interfaz.RelojDeArena(true);
    throw Error(TextoAnsi(mensaje));
  };
  Vigilante vigilante;
  TMForm& ventana = banco.Crear({});
  banco.Mostrar();
  banco.Componente<QPushButton>("BExportar")->click();
  QCOMPARE(vigilante.Cuadros().size(), 1u);
  const prueba::CuadroVisto& cuadro = vigilante.Cuadros().front();
  QCOMPARE(cuadro.titulo, "Vadelto");
  QCOMPARE(cuadro.texto, mostrado);
  QCOMPARE(cuadro.icono, QMessageBox::Critical);
  QVERIFY(!QApplication::overrideCursor());
  QVERIFY(banco.Componente<QPushButton>("BExportar")->isEnabled());
  QVERIFY(banco.Componente<QPushButton>("BImportar")->isEnabled());
  QVERIFY(ventana.isVisible());
}

// Mended: the error is shown and the window closes all the same.
void PruebaVentana::horavelIniImposibleNoImpideCerrar() {
  Banco banco;
  fs::create_directories(banco.HoravelIni() / "ocupado");
  Vigilante vigilante;
  TMForm& ventana = banco.Crear({"borrar", "1A2B"});
  QSignalSpy cerrada(&ventana, &TMForm::Cerrada);
  banco.Mostrar();
  QVERIFY(!ventana.close() || !ventana.isVisible());
  QVERIFY(!ventana.isVisible());
  QCOMPARE(cerrada.count(), 1);
  QCOMPARE(vigilante.TextosDeCuadros(),
           QStringList{"Unable to write to " + QString::fromStdString(banco.HoravelIni()) + "."});
  QCOMPARE(vigilante.Cuadros().front().icono, QMessageBox::Critical);
}

void PruebaVentana::ayudaConF1YConElBoton() {
  Banco banco;
  TMForm& ventana = banco.Crear({});
  banco.Mostrar();
  ventana.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&ventana));
  QTest::keyClick(banco.Componente<QPushButton>("BExportar"), Qt::Key_F1);
  banco.Componente<QPushButton>("Button1")->click();
  QTest::keyClick(&ventana, Qt::Key_F1);
  const std::vector<PeticionAyuda> esperadas = {
      {"DAZOD.chm", 3}, {"RACIMA.chm", std::nullopt}, {"RACIMA.chm", 3}};
  QCOMPARE(banco.peticiones.size(), esperadas.size());
  QVERIFY(banco.peticiones == esperadas);
}

void PruebaVentana::visorChm() {
  prueba::UnidadTemporal unidad;
  const fs::path programa = unidad.Carpeta("programa");
  const fs::path bin = unidad.Carpeta("bin");
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(bin.string()));
  const Ayuda::Visor visor = VisorChm(QString::fromStdString(programa.string()));

  Vigilante vigilante;
  visor({"DAZOD.chm", 3});
  prueba::EscribirArchivo(programa / "dazod.CHM", "ayuda");
  visor({"DAZOD.chm", 3});
  QCOMPARE(vigilante.TextosDeCuadros(),
           (QStringList{"No se encuentra el archivo de ayuda DAZOD.chm en la carpeta " +
                            QString::fromStdString(programa.string()) + ".",
                        "No se puede abrir la ayuda DAZOD.chm: no hay ningún visor de archivos "
                        "CHM instalado (por ejemplo, xchm)."}));

  // An installed viewer is handed the file.
  const fs::path abierto = unidad.Carpeta("salida") / "abierto";
  prueba::EscribirArchivo(bin / "xchm", "#!/bin/sh\necho \"$1\" > " + abierto.string() + "\n");
  fs::permissions(bin / "xchm", fs::perms::owner_all);
  visor({"DAZOD.chm", std::nullopt});
  QTRY_VERIFY(fs::exists(abierto) && !prueba::LeerArchivo(abierto).empty());
  QCOMPARE(prueba::LeerArchivo(abierto), (programa / "dazod.CHM").string() + "\n");
  QCOMPARE(vigilante.Cuadros().size(), 2u);
  qputenv("PATH", path);
}

void PruebaVentana::dialogoDeArchivoYMensajes() {
  Banco banco;
  TMForm& ventana = banco.Crear({});
  banco.Mostrar();
  const fs::path carpeta = banco.unidad.Carpeta("racima");
  prueba::EscribirArchivo(carpeta / "centro.xml", "<SERVICIO/>");
  prueba::EscribirArchivo(carpeta / "MAYUS.XML", "<SERVICIO/>");

  auto escribir = [](const QString& texto) {
    return [texto](QWidget* dialogo) {
      auto* nombre = dialogo->findChild<QLineEdit*>("fileNameEdit");
      QVERIFY(nombre);
      nombre->setText(texto);
      auto* botones = dialogo->findChild<QDialogButtonBox*>();
      QVERIFY(botones);
      botones->button(QDialogButtonBox::Open)->click();
    };
  };
  QStringList botones;
  auto cancelar = [&botones](QWidget* widget) {
    auto* dialogo = qobject_cast<QFileDialog*>(widget);
    QVERIFY(dialogo);
    QCOMPARE(dialogo->objectName(), "OpenDialogXML");
    QCOMPARE(dialogo->windowTitle(), "Archivo XML");
    QCOMPARE(dialogo->nameFilters(), QStringList{"*.xml"});
    QCOMPARE(dialogo->defaultSuffix(), "xml");
    QVERIFY(dialogo->testOption(QFileDialog::DontUseNativeDialog));
    for (auto* boton : dialogo->findChildren<QPushButton*>()) botones << boton->text();
    dialogo->reject();
  };
  const QString ruta = QString::fromStdString(carpeta.string());
  Vigilante vigilante({escribir(ruta + "/centro.xml"), escribir(ruta + "/otro"),
                       escribir(ruta + "/mayus"), cancelar});
  auto elegido = [&ventana] {
    const auto ruta = ventana.ElegirDocumento();
    return ruta ? QString::fromStdString(ruta->string()) : QString("(ninguno)");
  };
  QCOMPARE(elegido(), ruta + "/centro.xml");
  QCOMPARE(elegido(), ruta + "/otro.xml");
  QCOMPARE(elegido(), ruta + "/MAYUS.XML");
  QCOMPARE(elegido(), "(ninguno)");
  QVERIFY(botones.contains("&Abrir"));
  QVERIFY(botones.contains("Cancelar"));
  QCOMPARE(vigilante.Dialogos(), 4);
}

// The export's step 7 gets the code in the drop-down when the dialog closes.
void PruebaVentana::dialogoDePlantillas() {
  Banco banco;
  TMForm& ventana = banco.Crear({});
  banco.Mostrar();
  auto elegirJ2 = [](QWidget* dialogo) {
    QCOMPARE(dialogo->windowTitle(), "Plantillas Horarias");
    QTest::keyClick(dialogo->findChild<QComboBox*>("ComboBoxPlantilla"), Qt::Key_Down);
    dialogo->findChild<QPushButton*>("BitBtnContinuar")->click();
  };
  auto cerrar = [](QWidget* dialogo) { dialogo->close(); };
  Vigilante vigilante({elegirJ2, cerrar});
  const fs::path documento = fs::path(VADELTO_TEST_DATA) / "shell" / "ejemplo.xml";
  QCOMPARE(ventana.ElegirPlantilla(documento), "J2");
  QCOMPARE(ventana.ElegirPlantilla(documento), "J1");
  QCOMPARE(vigilante.Dialogos(), 2);
}

}  // namespace vadelto

int main(int argc, char** argv) {
  QApplication aplicacion(argc, argv);
  vadelto::CargarTraduccionesQt(aplicacion);
  vadelto::PruebaVentana prueba;
  return QTest::qExec(&prueba, argc, argv);
}

#include "ventana_test.moc"
