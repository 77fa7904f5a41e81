#include "cli/consola.h"

#include <iostream>

#include "exchange/documento_intercambio.h"
#include "exchange/xml_document.h"
#include "text/clipper.h"
#include "text/cp1252.h"
#include "text/mensajes.h"

namespace vadelto::cli {

namespace {

// Without the leading and trailing blanks and control characters, as the dialog hands it back.
std::string SinControles(const std::string& texto) {
  const auto esBlanco = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t inicio = 0;
  std::size_t fin = texto.size();
  while (inicio < fin && esBlanco(texto[inicio])) ++inicio;
  while (fin > inicio && esBlanco(texto[fin - 1])) --fin;
  return texto.substr(inicio, fin - inicio);
}

}  // namespace

void Escribir(const std::string& texto) {
  std::cerr << Utf8DesdeAnsi(texto) << std::endl;
}

InterfazConsola::InterfazConsola(std::filesystem::path documento,
                                 std::optional<std::string> plantillaUtf8)
    : documento_(std::move(documento)) {
  if (plantillaUtf8) plantilla_ = SinControles(AnsiDesdeUtf8(*plantillaUtf8));
}

std::string InterfazConsola::ElegirPlantilla(const std::filesystem::path& rutaXml) {
  if (plantilla_) return *plantilla_;
  xml::Document documento;
  documento.load(rutaXml);
  Escribir(mensajes::ElijaPlantilla());
  for (const Registro& plantilla : LeerRegistros(documento, GrupoDatos::JornadasEscolares)) {
    Escribir("  " + plantilla.Recortado(0) + "  " + plantilla.Recortado(1));
  }
  throw PlantillaSinElegir();
}

}  // namespace vadelto::cli
