// The whole round: a Racima document exported, a SOLUC solved over Horavel's codes, the
// result document imported back with Racima's own ids.

#include <gtest/gtest.h>

#include <regex>

#include "export/exportar.h"
#include "import/apoyo_importacion.h"
#include "import/importar.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/error.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

// The code Horavel knows a Racima id by: `devuelto` of the first row whose `campo` is `valor`.
std::string CodigoDe(const fs::path& hvdat, const char* tabla, const char* campo,
                     const std::string& valor, const char* devuelto) {
  dbase::Table t(ArchivoTabla(hvdat, tabla), RotuloTabla(tabla));
  t.Open(dbase::Access::Shared);
  for (t.First(); !t.Eof(); t.Next()) {
    if (t.GetText(campo) == valor) return t.GetText(devuelto);
  }
  ADD_FAILURE() << tabla << " no tiene " << campo << " = " << valor;
  return {};
}

TEST(ExportarEImportar, RacimaRecibeSusIdentificadores) {
  prueba::UnidadTemporal unidad;
  const fs::path datos = fs::path(VADELTO_TEST_DATA) / "import";
  const fs::path elegido = unidad.Carpeta("racima") / "exportado.xml";
  fs::copy_file(datos / "exportado.xml", elegido);
  const auto ejecutar = [&](void (*conversion)(Sesion&, Interfaz&)) {
    Sesion sesion;
    sesion.CarpetaPrograma = VADELTO_BIN_DIR;  // NIVELLARI.DBF is installed there
    sesion.CarpetaTablas = unidad.Hvdat();
    prueba::InterfazPrueba interfaz;
    interfaz.documento = elegido;
    try {
      conversion(sesion, interfaz);
    } catch (const Error& error) {
      ADD_FAILURE() << error.Mensaje();
    }
    EXPECT_EQ(sesion.CodigoResultado, 1);
  };
  ejecutar(BExportarClick);

  const fs::path hvdat = unidad.Hvdat();
  const std::string ana = CodigoDe(hvdat, "PROFT.DBF", "X_EMPLEADO", "81000", "ABREV");
  const std::string alberto = CodigoDe(hvdat, "PROFT.DBF", "X_EMPLEADO", "81007", "ABREV");
  const std::string grupoA = CodigoDe(hvdat, "GRUPOST.DBF", "CLAVE", "7101", "ABREV");
  const std::string grupoB = CodigoDe(hvdat, "GRUPOST.DBF", "CLAVE", "7102", "ABREV");
  const std::string lengua = CodigoDe(hvdat, "ASIGNOMT2.DBF", "MATERIA", "500", "COD");
  const std::string mates = CodigoDe(hvdat, "ASIGNOMT2.DBF", "MATERIA", "501", "COD");
  const std::string tutoria = CodigoDe(hvdat, "ASIGNOMT.DBF", "CODTAREA", "2", "COD");
  const std::string aula = CodigoDe(hvdat, "AULAT.DBF", "DEPCENTRO", "10234", "ABREV");
  const std::string laboratorio = CodigoDe(hvdat, "AULAT.DBF", "DEPCENTRO", "1002", "ABREV");
  EXPECT_EQ(aula, "0234");  // Racima's id does not fit Horavel's room code
  prueba::EscribirSolucDbase3(hvdat, {{ana, "1", "1", lengua, grupoA, "", aula},
                                      {ana, "0", "0", mates, grupoB, "", ""},
                                      {ana, "2", "3", mates, grupoB, "", laboratorio},
                                      {alberto, "1", "2", tutoria, "", "", ""}});
  ejecutar(BImportarClick);

  const std::string escrito =
      prueba::LeerArchivo(elegido.parent_path() / "ResultadoHoravelexportado.xml");
  EXPECT_EQ(std::regex_replace(escrito, std::regex(" fecha=\"[^\"]*\""), " fecha=\"\""),
            prueba::LeerArchivo(datos / "ResultadoHoravelexportado.xml"));
}

}  // namespace
}  // namespace vadelto
