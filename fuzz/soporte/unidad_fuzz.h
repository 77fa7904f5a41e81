#pragma once

// What every fuzz target shares: a temporary C: drive of the process's own, so that a target
// writes nowhere else, and small helpers to lay its inputs there.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sesion/interfaz.h"

namespace vadelto::fuzz {

// The process's temporary tree: WINEPREFIX points at it (drive_c with HVDAT inside). Made on
// first use, removed when the process ends normally.
const std::filesystem::path& Raiz();
std::filesystem::path UnidadC();
std::filesystem::path Hvdat();

// Empties `carpeta` (made when missing) so that each input starts from the same state.
void Vaciar(const std::filesystem::path& carpeta);

// Writes the bytes to `ruta`, replacing the file.
void Escribir(const std::filesystem::path& ruta, std::string_view bytes);

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// What a conversion asks of the user, answered at once: the document given, the template "J1",
// and the messages kept.
class InterfazFuzz : public Interfaz {
 public:
  explicit InterfazFuzz(std::filesystem::path documento) : documento_(std::move(documento)) {}
  std::optional<std::filesystem::path> ElegirDocumento() override { return documento_; }
  void MostrarMensaje(const std::string& texto) override { mensajes.push_back(texto); }
  void RelojDeArena(bool) override {}
  std::string ElegirPlantilla(const std::filesystem::path&) override { return "J1"; }
  void DesactivarBotones() override {}
  void CerrarVentana() override {}

  std::vector<std::string> mensajes;

 private:
  std::filesystem::path documento_;
};

}  // namespace vadelto::fuzz
