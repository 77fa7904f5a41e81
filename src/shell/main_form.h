#pragma once

// The main window: the two conversions behind their buttons, help, and the host
// integration that runs one conversion inside the host's window and reports its outcome.

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sesion/interfaz.h"
#include "sesion/sesion.h"

class QLabel;
class QPushButton;

namespace vadelto {

class Anfitrion;
class Ayuda;
class PanelDegradado;

class TMForm : public QWidget, public Interfaz {
  Q_OBJECT

 public:
  using Conversion = std::function<void(Sesion&, Interfaz&)>;

  struct Arranque {
    // The command line without the program's own path, in Windows-1252.
    std::vector<std::string> parametros;
    // The folder of the program's own file.
    std::filesystem::path carpetaPrograma;
    Conversion exportar;  // BExportarClick
    Conversion importar;  // BImportarClick
  };

  // Builds the window and runs FormCreate. `anfitrion` and `ayuda` must outlive it.
  TMForm(Arranque arranque, Anfitrion& anfitrion, Ayuda& ayuda);

  const Sesion& Estado() const { return sesion_; }

  // What the conversions ask of the window.
  std::optional<std::filesystem::path> ElegirDocumento() override;
  void MostrarMensaje(const std::string& texto) override;
  void RelojDeArena(bool activo) override;
  std::string ElegirPlantilla(const std::filesystem::path& rutaXml) override;
  void DesactivarBotones() override;
  void CerrarVentana() override;

 signals:
  // The window has closed: the program ends, also when it is embedded and so no top-level.
  void Cerrada();

 protected:
  void showEvent(QShowEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  void CrearComponentes();
  void FormCreate();
  void FormShow();
  void FormClose();
  void Button1Click();
  void Ejecutar(const Conversion& conversion);
  // Runs a handler; an error escaping it is shown in the error box.
  void Atrapar(const std::function<void()>& manejador);
  void RecuperarFoco();

  Arranque arranque_;
  Anfitrion& anfitrion_;
  Ayuda& ayuda_;
  Sesion sesion_;
  bool mostrada_ = false;
  bool relojActivo_ = false;
  QString carpetaDocumentos_;  // where the open-file dialog opens

  PanelDegradado* Draw3D1 = nullptr;
  PanelDegradado* Draw3D2 = nullptr;
  QPushButton* BExportar = nullptr;
  QPushButton* BClose = nullptr;
  QLabel* Label3 = nullptr;
  PanelDegradado* Draw3D3 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* BImportar = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace vadelto
