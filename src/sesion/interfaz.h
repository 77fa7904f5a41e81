#pragma once

// What a conversion asks of the program that runs it: the window implements it with
// dialogs and message boxes, the command-line tool with its arguments and stderr.

#include <filesystem>
#include <optional>
#include <string>

namespace vadelto {

class Interfaz {
 public:
  virtual ~Interfaz() = default;

  // The open-file dialog "Archivo XML": the chosen path, or nothing when cancelled.
  virtual std::optional<std::filesystem::path> ElegirDocumento() = 0;
  // A plain message box titled "Vadelto" with one OK button. The text is Windows-1252.
  virtual void MostrarMensaje(const std::string& texto) = 0;
  // The hourglass cursor on or off.
  virtual void RelojDeArena(bool activo) = 0;
  // The time-template dialog, shown modally over the document at `rutaXml`; returns its
  // PlantillaElegida (Windows-1252), however the dialog was closed.
  virtual std::string ElegirPlantilla(const std::filesystem::path& rutaXml) = 0;
  // After a finished conversion: both conversion buttons off for the rest of the run.
  virtual void DesactivarBotones() = 0;
  // Closes the main window (embedded mode).
  virtual void CerrarVentana() = 0;
};

}  // namespace vadelto
