#pragma once

#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "sesion/interfaz.h"

namespace vadelto::cli {

// Writes a Windows-1252 text to stderr, in UTF-8, as one line.
void Escribir(const std::string& texto);

// Raised when the document holds several time templates and the command line named none;
// the templates have been listed on stderr by then.
class PlantillaSinElegir : public std::exception {
 public:
  const char* what() const noexcept override { return "plantilla sin elegir"; }
};

// The program's side of a conversion on a console: the document and the time template come
// from the command line, messages go to stderr, there is no cursor, button or window.
class InterfazConsola : public Interfaz {
 public:
  InterfazConsola(std::filesystem::path documento, std::optional<std::string> plantillaUtf8);

  std::optional<std::filesystem::path> ElegirDocumento() override { return documento_; }
  void MostrarMensaje(const std::string& texto) override { Escribir(texto); }
  void RelojDeArena(bool) override {}
  // The --plantilla code, trimmed as the dialog trims; without one, lists the document's
  // templates and raises PlantillaSinElegir.
  std::string ElegirPlantilla(const std::filesystem::path& rutaXml) override;
  void DesactivarBotones() override {}
  void CerrarVentana() override {}

 private:
  std::filesystem::path documento_;
  std::optional<std::string> plantilla_;  // Windows-1252
};

}  // namespace vadelto::cli
