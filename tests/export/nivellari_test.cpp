// NIVELLARI.DBF as the build writes it beside the programs, from data/nivellari.csv.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "export/apoyo.h"
#include "tables/dbase/table.h"
#include "text/cp1252.h"

namespace vadelto::prueba {
namespace {

using ::testing::ElementsAre;

TEST(Nivellari, TablaConstruidaDesdeElCsv) {
  dbase::Table tabla(std::filesystem::path(VADELTO_BIN_DIR) / "NIVELLARI.DBF", "NIVELLARI.DBF");
  tabla.Open(dbase::Access::Shared);
  std::vector<std::pair<std::string, char>> campos;
  for (const auto& campo : tabla.Fields()) campos.emplace_back(campo.name, campo.type);
  EXPECT_THAT(campos, ElementsAre(std::pair{std::string("X_OFERTAMATRIG"), 'I'},
                                  std::pair{std::string("NIVEL_ABREV"), 'C'},
                                  std::pair{std::string("ESTUDIO"), 'C'}));

  std::ifstream csv(ArchivoDelRepositorio("data/nivellari.csv"));
  std::string linea;
  int lineas = 0;
  while (std::getline(csv, linea)) ++lineas;
  EXPECT_EQ(tabla.RecordCount(), lineas - 1);

  ASSERT_TRUE(tabla.LocateInteger("X_OFERTAMATRIG", 6101));
  EXPECT_EQ(tabla.GetText("NIVEL_ABREV"), "ESO");
  EXPECT_EQ(Utf8DesdeAnsi(tabla.GetText("ESTUDIO")), "Educación Secundaria Obligatoria");
  ASSERT_TRUE(tabla.LocateInteger("X_OFERTAMATRIG", 6411));
  EXPECT_EQ(Utf8DesdeAnsi(tabla.GetText("ESTUDIO")),
            "Ciclo Formativo de Grado Medio en Sistemas Microinformáticos y Redes");
  EXPECT_FALSE(tabla.LocateInteger("X_OFERTAMATRIG", 6999));
}

}  // namespace
}  // namespace vadelto::prueba
