// The sample school both ways through vadelto-cli: export with a time template, the sample
// SOLUC, import; the result document is checked against the solved timetable.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/ejecutar.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "tables/lectores.h"

namespace vadelto::prueba {
namespace {
namespace fs = std::filesystem;
using ::testing::HasSubstr;

int Colocadas(const fs::path& soluc, int* total) {
  dbase::Table t(soluc, "SOLUC");
  t.Open(dbase::Access::Shared);
  int colocadas = 0;
  *total = 0;
  for (t.First(); !t.Eof(); t.Next()) {
    ++*total;
    if (t.GetInteger("DIA") != 0) ++colocadas;
  }
  return colocadas;
}

int Apariciones(const std::string& texto, const std::string& buscado) {
  int n = 0;
  for (auto p = texto.find(buscado); p != std::string::npos; p = texto.find(buscado, p + 1)) ++n;
  return n;
}

TEST(IdaYVuelta, ElInstitutoDeEjemploPasaEnLosDosSentidos) {
  UnidadTemporal unidad;
  const fs::path documento = unidad.UnidadC() / "racima.xml";
  fs::copy_file(DocumentoInstituto(), documento);
  const fs::path temporal = unidad.Carpeta("salidas");

  const SalidaCli comprobar =
      EjecutarCli("comprobar --plantilla J1 " + documento.string(), temporal);
  ASSERT_EQ(comprobar.estado, 0) << comprobar.errores;

  const SalidaCli exportar = EjecutarCli("exportar --plantilla J1 " + documento.string(), temporal);
  ASSERT_EQ(exportar.estado, 0) << exportar.errores;
  EXPECT_THAT(exportar.errores, HasSubstr("Proceso finalizado\nFilas escritas por tabla:\n"));

  const SalidaCli soluc = EjecutarCli("soluc-ejemplo", temporal);
  ASSERT_EQ(soluc.estado, 0) << soluc.errores;
  int total = 0;
  const int colocadas = Colocadas(unidad.Hvdat() / "SOLUC.DBF", &total);
  EXPECT_GT(colocadas, 500);    // about four sessions for each subject offering
  EXPECT_GT(total, colocadas);  // and some the timetable left unplaced
  if (HayDbfread()) {
    ExpectMismaLectura(LeerConDbfread(unidad.Hvdat() / "SOLUC.DBF"),
                       LeerConNuestroMotor(unidad.Hvdat() / "SOLUC.DBF"));
  }
  // The same tables give the same timetable.
  const std::string primera = LeerArchivo(unidad.Hvdat() / "SOLUC.DBF");
  ASSERT_EQ(EjecutarCli("soluc-ejemplo " + unidad.Hvdat().string(), temporal).estado, 0);
  EXPECT_EQ(LeerArchivo(unidad.Hvdat() / "SOLUC.DBF").substr(4),
            primera.substr(4));  // all but the date of last update

  const SalidaCli importar = EjecutarCli("importar " + documento.string(), temporal);
  ASSERT_EQ(importar.estado, 0) << importar.errores;
  const std::string resultado = LeerArchivo(unidad.UnidadC() / "ResultadoHoravelracima.xml");
  EXPECT_EQ(Apariciones(resultado, "seq=\"ACTIVIDAD_"), colocadas);
  EXPECT_EQ(Apariciones(resultado, "seq=\"HORARIO_REGULAR_PROFESOR_"), 40);
}

}  // namespace
}  // namespace vadelto::prueba
