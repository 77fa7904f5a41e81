// The time-template dialog, offscreen, on small exchange documents: its layout, the worked
// example, typing, duplicate codes, a single slot record, an unreadable document, and the
// code handed back however it closes.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "shell/ayuda.h"
#include "shell/componentes.h"
#include "shell/panel_degradado.h"
#include "shell/plantihoras.h"
#include "shell/traducciones.h"

namespace vadelto {
namespace fs = std::filesystem;

namespace {

fs::path Datos(const char* nombre) {
  return fs::path(VADELTO_TEST_DATA) / "shell" / nombre;
}

// One dialog under test, shown as step 7 shows it.
struct Banco {
  std::vector<PeticionAyuda> peticiones;
  Ayuda ayuda{"DAZOD.chm", [this](const PeticionAyuda& p) { peticiones.push_back(p); }};
  TPlantillas dialogo;

  explicit Banco(const fs::path& documento) : dialogo(documento, ayuda, nullptr) {
    dialogo.show();
    dialogo.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialogo)) qWarning("the dialog is not active");
  }

  template <typename T>
  T* Componente(const char* nombre) const {
    return dialogo.findChild<T*>(QString::fromUtf8(nombre));
  }
  QComboBox* Combo() const { return Componente<QComboBox>("ComboBoxPlantilla"); }

  QStringList Etiquetas() const {
    return {Componente<QLabel>("LabelNombre")->text(), Componente<QLabel>("LabelPlanFec1")->text(),
            Componente<QLabel>("LabelPlanFec2")->text()};
  }
  QStringList Horas() const {
    QStringList horas;
    auto* lista = Componente<QListWidget>("ListBox1");
    for (int i = 0; i < lista->count(); ++i) horas << lista->item(i)->text();
    return horas;
  }
  QStringList Codigos() const {
    QStringList codigos;
    for (int i = 0; i < Combo()->count(); ++i) codigos << Combo()->itemText(i);
    return codigos;
  }
  // The user empties the drop-down's text and types.
  void Teclear(const QString& texto) const {
    QLineEdit* edicion = Combo()->lineEdit();
    edicion->selectAll();
    QTest::keyClick(edicion, Qt::Key_Backspace);
    QTest::keyClicks(edicion, texto);
  }
};

const QStringList kGuiones{"-", "-", "-"};

}  // namespace

class PruebaPlantillas : public QObject {
  Q_OBJECT

 private slots:
  void disposicion();
  void ejemploResuelto();
  void tecleoYCierre_data();
  void tecleoYCierre();
  void codigosRepetidos();
  void unSoloTramo();
  void documentoIlegible();
};

void PruebaPlantillas::disposicion() {
  Banco banco(Datos("ejemplo.xml"));
  const TPlantillas& dialogo = banco.dialogo;
  QCOMPARE(dialogo.objectName(), "Plantillas");
  QCOMPARE(dialogo.windowTitle(), "Plantillas Horarias");
  QCOMPARE(dialogo.size(), QSize(370, 235));
  QCOMPARE(dialogo.pos(), QPoint(368, 228));
  QVERIFY(dialogo.windowFlags() & Qt::WindowCloseButtonHint);
  QVERIFY(!(dialogo.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  QCOMPARE(dialogo.font().pixelSize(), 11);

  struct Esperado {
    const char* nombre;
    QRect limites;
    QString texto;
    int pixeles;
    QColor color;
  };
  const QColor granate(128, 0, 0);
  const Esperado esperados[] = {
      {"LabelPlantillas",
       {16, 2, 321, 33},
       "Seleccione la Plantilla Horaria que quiere aplicar a su Horario en Horavel.",
       13,
       Qt::black},
      {"Label2",
       {16, 34, 321, 33},
       "Las Horas de la Plantilla del día seleccionado, se propagarán sobre todos los días de "
       "las Semana.",
       13,
       Qt::red},
      {"Label1", {215, 68, 67, 18}, "HORAS", 16, granate},
      {"LabelNombre", {9, 114, 120, 23}, "Mañana", 16, granate},
      {"LabelPlanFec1", {9, 144, 120, 23}, "01/09/2010", 16, granate},
      {"LabelPlanFec2", {9, 176, 120, 23}, "31/05/2011", 16, granate},
  };
  for (const Esperado& esperado : esperados) {
    auto* label = banco.Componente<QLabel>(esperado.nombre);
    QVERIFY2(label, esperado.nombre);
    QCOMPARE(label->parentWidget()->objectName(), "Draw3D4");
    QCOMPARE(label->geometry(), esperado.limites);
    QCOMPARE(label->text(), esperado.texto);
    QCOMPARE(label->font().pixelSize(), esperado.pixeles);
    QVERIFY(label->font().bold());
    QCOMPARE(QFontInfo(label->font()).family(), QFontInfo(FuenteArial(16, true)).family());
    QCOMPARE(label->palette().color(QPalette::WindowText), esperado.color);
  }
  QVERIFY(banco.Componente<QLabel>("LabelPlantillas")->wordWrap());
  QVERIFY(banco.Componente<QLabel>("Label2")->wordWrap());

  auto* panel = banco.Componente<PanelDegradado>("Draw3D4");
  QCOMPARE(panel->geometry(), QRect(0, 0, 369, 233));
  QCOMPARE(panel->ColoresDelPanel().inicio, QColor(166, 202, 240));
  QCOMPARE(panel->ColoresDelPanel().medio, QColor(255, 255, 255));

  QComboBox* combo = banco.Combo();
  QCOMPARE(combo->geometry(), QRect(8, 87, 81, 21));
  QVERIFY(combo->isEditable());
  QVERIFY(!combo->completer());
  QVERIFY(combo->font().bold());
  QCOMPARE(combo->palette().color(QPalette::Base), QColor(255, 255, 0));
  QCOMPARE(banco.Componente<QListWidget>("ListBox1")->geometry(), QRect(152, 85, 193, 114));

  auto* continuar = banco.Componente<QPushButton>("BitBtnContinuar");
  QCOMPARE(continuar->geometry(), QRect(255, 203, 89, 25));
  QCOMPARE(continuar->text(), "Continuar");
  QVERIFY(continuar->font().bold());
  QCOMPARE(continuar->icon().pixmap(16).toImage(),
           QApplication::style()->standardIcon(QStyle::SP_DialogOkButton).pixmap(16).toImage());

  // Tab order: the button, the drop-down, the list.
  QCOMPARE(QApplication::focusWidget(), continuar);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QVERIFY(QApplication::focusWidget() == combo || QApplication::focusWidget() == combo->lineEdit());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), banco.Componente<QListWidget>("ListBox1"));

  QTest::keyClick(&banco.dialogo, Qt::Key_F1);
  QVERIFY((banco.peticiones == std::vector<PeticionAyuda>{{"DAZOD.chm", 3}}));

  fs::create_directories(VADELTO_ARTIFACTS_DIR);
  banco.dialogo.grab().save(VADELTO_ARTIFACTS_DIR "/plantillas-offscreen.png");
}

void PruebaPlantillas::ejemploResuelto() {
  Banco banco(Datos("ejemplo.xml"));
  QCOMPARE(banco.Codigos(), (QStringList{"J1", "J2"}));
  QCOMPARE(banco.Combo()->currentText(), "J1");
  QCOMPARE(banco.Etiquetas(), (QStringList{"Mañana", "01/09/2010", "31/05/2011"}));
  QCOMPARE(banco.Horas(), (QStringList{"1ª", "2ª", "3ª"}));
  QCOMPARE(banco.dialogo.PlantillaElegida(), "");

  // The user picks J2 from the list.
  QTest::keyClick(banco.Combo(), Qt::Key_Down);
  QCOMPARE(banco.Combo()->currentText(), "J2");
  QCOMPARE(banco.Etiquetas(), (QStringList{"Tarde", "01/09/2010", "31/05/2011"}));
  QCOMPARE(banco.Horas(), (QStringList{"1ª T", "2ª T"}));

  banco.Componente<QPushButton>("BitBtnContinuar")->click();
  QCOMPARE(banco.dialogo.result(), int(QDialog::Accepted));
  QVERIFY(!banco.dialogo.isVisible());
  QCOMPARE(banco.dialogo.PlantillaElegida(), "J2");
}

void PruebaPlantillas::tecleoYCierre_data() {
  QTest::addColumn<QString>("tecleado");
  QTest::addColumn<int>("cierre");  // 0 close box, 1 Escape, 2 Return
  QTest::addColumn<QStringList>("etiquetas");
  QTest::addColumn<QStringList>("horas");
  QTest::addColumn<QString>("elegida");
  QTest::newRow("codigo desconocido, casilla de cierre")
      << "J9" << 0 << kGuiones << QStringList{} << "J9";
  QTest::newRow("con blancos, Escape") << " J9 " << 1 << kGuiones << QStringList{} << "J9";
  QTest::newRow("codigo tecleado, Intro")
      << "J2" << 2 << QStringList{"Tarde", "01/09/2010", "31/05/2011"}
      << QStringList{"1ª T", "2ª T"} << "J2";
}

void PruebaPlantillas::tecleoYCierre() {
  QFETCH(QString, tecleado);
  QFETCH(int, cierre);
  QFETCH(QStringList, etiquetas);
  QFETCH(QStringList, horas);
  QFETCH(QString, elegida);
  Banco banco(Datos("ejemplo.xml"));
  // Every key typed updates the labels and the list: "J" alone matches nothing.
  banco.Teclear("J");
  QCOMPARE(banco.Etiquetas(), kGuiones);
  QCOMPARE(banco.Horas(), QStringList{});
  banco.Teclear(tecleado);
  QCOMPARE(banco.Etiquetas(), etiquetas);
  QCOMPARE(banco.Horas(), horas);
  if (cierre == 0) banco.dialogo.close();
  if (cierre == 1) QTest::keyClick(banco.Combo()->lineEdit(), Qt::Key_Escape);
  if (cierre == 2) QTest::keyClick(banco.Combo()->lineEdit(), Qt::Key_Return);
  QVERIFY(!banco.dialogo.isVisible());
  QCOMPARE(QString::fromLatin1(banco.dialogo.PlantillaElegida()), elegida);
}

void PruebaPlantillas::codigosRepetidos() {
  Banco banco(Datos("repetidas.xml"));
  QCOMPARE(banco.Codigos(), (QStringList{"J1", "J1"}));
  QCOMPARE(banco.Etiquetas(), (QStringList{"Otra", "02/09/2010", "30/06/2011"}));
  QCOMPARE(banco.Horas(), (QStringList{"1ª", "2ª"}));
}

void PruebaPlantillas::unSoloTramo() {
  Banco banco(Datos("un_tramo.xml"));
  QCOMPARE(banco.Etiquetas(), (QStringList{"Mañana", "01/09/2010", "31/05/2011"}));
  QCOMPARE(banco.Horas(), QStringList{});
}

void PruebaPlantillas::documentoIlegible() {
  Banco banco(Datos("no-existe.xml"));
  QCOMPARE(banco.Codigos(), QStringList{});
  QCOMPARE(banco.Combo()->currentText(), "");
  QCOMPARE(banco.Etiquetas(), kGuiones);
  QCOMPARE(banco.Horas(), QStringList{});
  banco.dialogo.close();
  QCOMPARE(banco.dialogo.PlantillaElegida(), "");
}

}  // namespace vadelto

int main(int argc, char** argv) {
  QApplication aplicacion(argc, argv);
  vadelto::CargarTraduccionesQt(aplicacion);
  vadelto::PruebaPlantillas prueba;
  return QTest::qExec(&prueba, argc, argv);
}

#include "plantihoras_test.moc"
