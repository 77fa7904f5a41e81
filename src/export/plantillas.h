#pragma once

// The time-template dialog without its widgets: the templates and time slots of the
// exchange document, and what the dialog shows for the code in its drop-down. Texts are
// Windows-1252 and shown as the document gives them, untrimmed. A record that lacks a
// field reads it as empty text.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/documento_intercambio.h"

namespace vadelto {

// What the dialog shows for one text of its drop-down.
struct VistaPlantilla {
  std::string Nombre = "-";  // LabelNombre
  std::string Fecha1 = "-";  // LabelPlanFec1, the start date
  std::string Fecha2 = "-";  // LabelPlanFec2, the end date
  // The slot texts for ListBox1; nothing when the list keeps what it holds, which it does
  // when the document has fewer than two slot records.
  std::optional<std::vector<std::string>> Horas;

  bool operator==(const VistaPlantilla&) const = default;
};

class ModeloPlantillas {
 public:
  // Reads the document at `rutaXml` afresh, as each activation of the dialog does. A file
  // that cannot be loaded gives no templates and no slots.
  void Cargar(const std::filesystem::path& rutaXml);

  // The drop-down's items: every template's code in document order, when there are two or
  // more templates; none otherwise.
  std::vector<std::string> Codigos() const;

  // The labels and the list for `texto`, compared exactly with the codes. With duplicate
  // codes the last matching template gives the labels; the slots of all of them are listed.
  VistaPlantilla ComboBoxPlantillaChange(std::string_view texto) const;

 private:
  std::vector<Registro> plantillas_;
  std::vector<Registro> tramos_;
};

// The code the dialog hands back: the drop-down's text without the leading and trailing
// characters of code 32 or below.
std::string PlantillaElegida(std::string_view texto);

}  // namespace vadelto
