// The whole export and import on synthetic schools full of repeated names, ids and codes, where
// the first row in table order decides many lookups: the tables written and the result document
// must be exactly those the row-by-row scans produced (kept in tests/data/rendimiento, written
// by the scanning conversions; VADELTO_REGENERAR=1 writes them anew).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "export/exportar.h"
#include "import/importar.h"
#include "sesion/interfaz.h"
#include "sesion/sesion.h"
#include "sintetico.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "text/cp1252.h"

namespace vadelto::prueba {
namespace {

namespace fs = std::filesystem;

class InterfazFija : public Interfaz {
 public:
  explicit InterfazFija(fs::path documento) : documento_(std::move(documento)) {}
  std::optional<fs::path> ElegirDocumento() override { return documento_; }
  void MostrarMensaje(const std::string&) override {}
  void RelojDeArena(bool) override {}
  std::string ElegirPlantilla(const fs::path&) override { return "J1"; }
  void DesactivarBotones() override {}
  void CerrarVentana() override {}

 private:
  fs::path documento_;
};

// Every table of the folder, by name: its fields, then each row's texts (as UTF-8).
std::string VolcadoTablas(const fs::path& carpeta) {
  std::vector<fs::path> tablas;
  for (const auto& entrada : fs::directory_iterator(carpeta)) {
    if (entrada.path().extension() == ".DBF") tablas.push_back(entrada.path());
  }
  std::sort(tablas.begin(), tablas.end());
  std::string volcado;
  for (const fs::path& archivo : tablas) {
    dbase::Table tabla(archivo, archivo.filename().string());
    tabla.Open(dbase::Access::Shared);
    volcado += "== " + archivo.filename().string() + "\n";
    for (const dbase::FieldInfo& campo : tabla.Fields()) {
      volcado += campo.name + " " + campo.type + std::to_string(campo.length) + "." +
                 std::to_string(campo.decimals) + "\n";
    }
    for (tabla.First(); !tabla.Eof(); tabla.Next()) {
      std::string fila;
      for (const dbase::FieldInfo& campo : tabla.Fields()) {
        fila += Utf8DesdeAnsi(tabla.GetText(campo.name)) + "|";
      }
      volcado += fila + "\n";
    }
  }
  return volcado;
}

void Comparar(const std::string& obtenido, const std::string& nombre) {
  const fs::path esperado = fs::path(VADELTO_TEST_DATA) / "rendimiento" / nombre;
  if (std::getenv("VADELTO_REGENERAR")) EscribirArchivo(esperado, obtenido);
  // Not EXPECT_EQ on the whole text: a difference is shown as the first line that differs.
  const std::string previsto = LeerArchivo(esperado);
  if (obtenido == previsto) return;
  std::size_t linea = 1, i = 0;
  while (i < obtenido.size() && i < previsto.size() && obtenido[i] == previsto[i]) {
    if (obtenido[i++] == '\n') ++linea;
  }
  const auto lineaDe = [&](const std::string& texto) {
    const std::size_t inicio = texto.rfind('\n', i == 0 ? 0 : i - 1);
    const std::size_t desde = inicio == std::string::npos ? 0 : inicio + 1;
    return texto.substr(desde, texto.find('\n', desde) - desde);
  };
  ADD_FAILURE() << nombre << " differs at line " << linea << ":\n  got:      " << lineaDe(obtenido)
                << "\n  expected: " << lineaDe(previsto);
}

struct Caso {
  const char* nombre;
  sintetico::Tamano tamano;
  unsigned semilla;
};

class Conversiones : public ::testing::TestWithParam<Caso> {};

TEST_P(Conversiones, EscribenLoMismoQueLosRecorridos) {
  const Caso& caso = GetParam();
  UnidadTemporal unidad;
  const fs::path programa = unidad.Carpeta("programa");
  sintetico::EscribirNiveles(programa);
  const fs::path documento = unidad.Carpeta("documentos") / "racima.xml";
  EscribirArchivo(documento, sintetico::DocumentoXml(caso.tamano, caso.semilla, true));

  Sesion sesion;
  sesion.CarpetaPrograma = programa;
  sesion.CarpetaTablas = unidad.Hvdat();
  InterfazFija interfaz(documento);
  BExportarClick(sesion, interfaz);
  sintetico::EscribirSoluc(unidad.Hvdat(), caso.tamano, caso.semilla + 1);
  BImportarClick(sesion, interfaz);

  Comparar(VolcadoTablas(unidad.Hvdat()), std::string(caso.nombre) + "-tablas.txt");
  const std::string resultado = LeerArchivo(documento.parent_path() / "ResultadoHoravelracima.xml");
  // The time of writing is the one thing that differs from run to run.
  Comparar(std::regex_replace(resultado, std::regex("fecha=\"[^\"]*\""), "fecha=\"\""),
           std::string(caso.nombre) + "-resultado.xml");
}

INSTANTIATE_TEST_SUITE_P(Repetidos, Conversiones,
                         ::testing::Values(Caso{"pequena", {12, 80, 10, 6, 300}, 7},
                                           Caso{"mediana", {60, 400, 40, 12, 2000}, 11}),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace vadelto::prueba
