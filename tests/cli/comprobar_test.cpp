// vadelto-cli comprobar: the export into a scratch folder, C:\HVDAT never touched, and its
// exit status the one the export then has.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/ejecutar.h"
#include "support/temp_drive.h"

namespace vadelto::prueba {
namespace {
namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct Caso {
  std::string nombre;
  std::string contenido;  // empty: the sample school
  int estado;
};

TEST(Comprobar, DiceLoQueHariaLaExportacionSinTocarHvdat) {
  const std::vector<Caso> casos = {
      {"instituto", "", 0},
      {"no XML", "<SERVICIO><BLOQUE", 1},
      {"vacío", "", -1},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    UnidadTemporal unidad;
    EscribirArchivo(unidad.Hvdat() / "PROFT.DBF", "tablas anteriores");
    const fs::path documento = unidad.UnidadC() / "racima.xml";
    if (caso.estado == 0) {
      fs::copy_file(DocumentoInstituto(), documento);
    } else {
      EscribirArchivo(documento, caso.contenido);
    }
    const int esperado = caso.estado < 0 ? 1 : caso.estado;
    const fs::path temporal = unidad.Carpeta("salidas");
    const auto antes = Instantanea(unidad.Hvdat());
    const SalidaCli comprobar =
        EjecutarCli("comprobar --plantilla J1 " + documento.string(), temporal);
    EXPECT_EQ(comprobar.estado, esperado) << comprobar.errores;
    EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
    EXPECT_THAT(comprobar.errores, HasSubstr("no se ha modificado"));
    if (esperado == 0) {
      EXPECT_THAT(comprobar.errores, HasSubstr("  PROFT            40\n"));
      EXPECT_THAT(comprobar.errores, HasSubstr("  ASIGT           150\n"));
    }
    // The export then ends the same way.
    EXPECT_EQ(EjecutarCli("exportar --plantilla J1 " + documento.string(), temporal).estado,
              esperado);
  }
}

}  // namespace
}  // namespace vadelto::prueba
