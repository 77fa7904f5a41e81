#pragma once

// The time-template dialog: the document's template codes in a drop-down and, for the code
// in it, the template's name, dates and time slots. It hands back the code in the drop-down
// however it is closed.

#include <QDialog>
#include <filesystem>
#include <string>

#include "export/plantillas.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vadelto {

class Ayuda;
class PanelDegradado;

class TPlantillas : public QDialog {
  Q_OBJECT

 public:
  // The dialog reads the document at `rutaXml` itself each time it is shown.
  TPlantillas(std::filesystem::path rutaXml, Ayuda& ayuda, QWidget* propietario);

  // The chosen template code (Windows-1252), trimmed; empty until the dialog closes.
  const std::string& PlantillaElegida() const { return plantillaElegida_; }

  void done(int resultado) override;

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void FormActivate();
  void ComboBoxPlantillaChange();
  void FormClose();

  std::filesystem::path rutaXml_;
  ModeloPlantillas modelo_;
  std::string plantillaElegida_;

  PanelDegradado* Draw3D4 = nullptr;
  QLabel* LabelPlantillas = nullptr;
  QLabel* LabelPlanFec1 = nullptr;
  QLabel* LabelPlanFec2 = nullptr;
  QPushButton* BitBtnContinuar = nullptr;
  QComboBox* ComboBoxPlantilla = nullptr;
  QLabel* LabelNombre = nullptr;
  QListWidget* ListBox1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
};

}  // namespace vadelto
