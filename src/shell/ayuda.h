#pragma once

// The application's help: the current help file and the requests made of it. The program
// only names the file and the topic; a viewer shows them.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace vadelto {

struct PeticionAyuda {
  QString archivo;          // "DAZOD.chm"
  std::optional<int> tema;  // a help context; nothing asks for the table of contents

  bool operator==(const PeticionAyuda&) const = default;
};

class Ayuda {
 public:
  using Visor = std::function<void(const PeticionAyuda&)>;

  Ayuda(QString archivo, Visor visor) : archivo_(std::move(archivo)), visor_(std::move(visor)) {}

  const QString& Archivo() const { return archivo_; }
  void CambiarArchivo(QString archivo) { archivo_ = std::move(archivo); }

  void MostrarTema(int contexto) { visor_({archivo_, contexto}); }
  void MostrarContenido() { visor_({archivo_, std::nullopt}); }

  // F1 anywhere in `ventana` asks for topic `contexto` of the file current at that moment.
  void AtenderF1(QWidget& ventana, int contexto);

 private:
  QString archivo_;
  Visor visor_;
};

// Opens the requested file, found beside the program in any letter case, in an installed
// CHM viewer; otherwise tells the user what is missing. CHM viewers open no topic by its
// context number, so a topic request opens the file at its start.
Ayuda::Visor VisorChm(QString carpetaPrograma);

}  // namespace vadelto
