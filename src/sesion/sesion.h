#pragma once

#include <filesystem>
#include <string>

namespace vadelto {

// The main window's state that outlives one handler.
struct Sesion {
  // The exchange document last chosen; kept when a dialog is cancelled.
  std::filesystem::path RutaXML;
  // The time template chosen in the last export.
  std::string CodigoPlantilla;
  // 0 at start, 1 after a finished conversion, -1 after "No existe archivo" when embedded.
  int CodigoResultado = 0;
  // 2 when the window was embedded at creation (the parameter count); else stand-alone.
  int ModoIncrustado = 0;
  // The folder of the program's own file: NIVELLARI.DBF and Horavel.ini live there.
  std::filesystem::path CarpetaPrograma;
  // The working-table folder, C:\HVDAT through the drive mapping.
  std::filesystem::path CarpetaTablas;

  bool Incrustado() const { return ModoIncrustado == 2; }
};

}  // namespace vadelto
