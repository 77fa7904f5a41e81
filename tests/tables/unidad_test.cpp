#include "tables/unidad.h"

#include <gtest/gtest.h>

#include "support/temp_drive.h"

namespace vadelto {
namespace {

TEST(Unidad, LaUnidadCEstaEnElPrefijoDeWine) {
  prueba::UnidadTemporal unidad;
  EXPECT_EQ(CarpetaHvdat(), unidad.Hvdat());
  EXPECT_EQ(RutaReal("C:\\HVDAT\\ASIGNOMT.DBF"), unidad.Hvdat() / "ASIGNOMT.DBF");
  EXPECT_EQ(RutaReal("d:\\datos"), unidad.Raiz() / "dosdevices" / "d:" / "datos");
}

TEST(Unidad, NombresSinDistinguirMayusculas) {
  prueba::UnidadTemporal unidad;
  prueba::EscribirArchivo(unidad.Hvdat() / "Soluc.dbf", "x");
  EXPECT_EQ(RutaReal("C:\\hvdat\\SOLUC.DBF"), unidad.Hvdat() / "Soluc.dbf");
  EXPECT_EQ(RutaReal("c:/HvDat/soluc.DBF"), unidad.Hvdat() / "Soluc.dbf");
  EXPECT_EQ(BuscarSinMayusculas(unidad.Hvdat(), "NIVELLARI.dbf"), unidad.Hvdat() / "NIVELLARI.dbf");
  EXPECT_EQ(RutaReal("/tmp"), std::filesystem::path("/tmp"));
}

}  // namespace
}  // namespace vadelto
