#include "export/reemplazo_tablas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::prueba {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

// Fails the renames whose numbers (from 0, in call order) it is given.
class RenombradorConFallos : public Renombrador {
 public:
  explicit RenombradorConFallos(std::set<int> fallos) : fallos_(std::move(fallos)) {}
  void Renombrar(const fs::path& de, const fs::path& a) override {
    if (fallos_.contains(llamadas_++))
      throw fs::filesystem_error("simulado", de, a,
                                 std::make_error_code(std::errc::permission_denied));
    fs::rename(de, a);
  }
  int Llamadas() const { return llamadas_; }

 private:
  std::set<int> fallos_;
  int llamadas_ = 0;
};

std::vector<std::string> Nombres(const fs::path& carpeta) {
  std::vector<std::string> nombres;
  for (const auto& entrada : fs::directory_iterator(carpeta))
    nombres.push_back(entrada.path().filename().string());
  return nombres;
}

class Reemplazo : public ::testing::Test {
 protected:
  Reemplazo() {
    CrearTabla(unidad.Hvdat(), TablaTrabajo::PROFT);
    CrearTabla(unidad.Hvdat(), TablaTrabajo::AULAT);
    EscribirArchivo(unidad.Hvdat() / "Asignomt.mdx", "indice antiguo");
    EscribirArchivo(unidad.Hvdat() / "JORNADAS.DBF", "tabla antigua");
    EscribirArchivo(unidad.Hvdat() / "SOLUC.DBF", "de Horavel");
  }

  // A new set in the staging folder: the files' contents do not matter to the move.
  void Nuevas(const ReemplazoTablas& reemplazo) {
    for (const char* nombre : {"PROFT.DBF", "ASIGNOMT.DBF", "DIASHORAST2.DBF", "DIASHORAST2.MDX"}) {
      EscribirArchivo(reemplazo.CarpetaNuevas() / nombre, std::string("nueva ") + nombre);
    }
  }

  bool QuedaProvisional() const {
    for (const auto& entrada : fs::directory_iterator(unidad.Hvdat())) {
      if (entrada.is_directory()) return true;
    }
    return false;
  }

  UnidadTemporal unidad;
};

TEST_F(Reemplazo, ColocaElJuegoNuevoYQuitaLoQueSoloTeniaElAnterior) {
  {
    ReemplazoTablas reemplazo(unidad.Hvdat());
    Nuevas(reemplazo);
    reemplazo.Reemplazar();
  }
  EXPECT_THAT(Nombres(unidad.Hvdat()),
              UnorderedElementsAre("PROFT.DBF", "ASIGNOMT.DBF", "DIASHORAST2.DBF",
                                   "DIASHORAST2.MDX", "SOLUC.DBF"));
  EXPECT_EQ(LeerArchivo(unidad.Hvdat() / "PROFT.DBF"), "nueva PROFT.DBF");
}

TEST_F(Reemplazo, CadaFalloEnLosMovimientosDejaLaCarpetaComoEstaba) {
  const auto antes = Instantanea(unidad.Hvdat());
  int movimientos = 0;
  {
    ReemplazoTablas reemplazo(unidad.Hvdat());
    const auto plan = reemplazo.Planificar();
    movimientos = static_cast<int>(plan.apartar.size());
    Nuevas(reemplazo);
    movimientos += static_cast<int>(reemplazo.Planificar().colocar.size());
  }
  ASSERT_EQ(movimientos, 8);  // four old files aside, four new ones in
  for (int fallo = 0; fallo < movimientos; ++fallo) {
    SCOPED_TRACE(fallo);
    {
      ReemplazoTablas reemplazo(unidad.Hvdat());
      Nuevas(reemplazo);
      RenombradorConFallos renombrador({fallo});
      try {
        reemplazo.Reemplazar(renombrador);
        ADD_FAILURE() << "sin error";
      } catch (const Error& error) {
        EXPECT_THAT(Utf8DesdeAnsi(error.Mensaje()),
                    HasSubstr("permiso denegado); no se ha modificado ninguna tabla"));
      }
    }
    EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
    EXPECT_FALSE(QuedaProvisional());
  }
}

TEST_F(Reemplazo, SiNoSePuedeDeshacerGuardaLasAnteriores) {
  std::string mensaje;
  {
    ReemplazoTablas reemplazo(unidad.Hvdat());
    Nuevas(reemplazo);
    // The third new table fails; putting back the last old file moved aside fails too.
    RenombradorConFallos renombrador({6, 9});
    try {
      reemplazo.Reemplazar(renombrador);
    } catch (const Error& error) {
      mensaje = Utf8DesdeAnsi(error.Mensaje());
    }
  }
  EXPECT_THAT(
      mensaje,
      HasSubstr("Las tablas anteriores están en la carpeta C:\\HVDAT\\.vadelto-exportacion-"));
  ASSERT_TRUE(QuedaProvisional());
  std::size_t guardadas = 0;
  for (const auto& entrada : fs::recursive_directory_iterator(unidad.Hvdat())) {
    if (entrada.path().parent_path().filename() == "anteriores") ++guardadas;
  }
  EXPECT_GE(guardadas, 1u);
}

TEST_F(Reemplazo, TablaAbiertaPorOtroPrograma) {
  const auto antes = Instantanea(unidad.Hvdat());
  dbase::Table horavel(unidad.Hvdat() / "AULAT.DBF", "AULAT");
  horavel.Open(dbase::Access::Exclusive);
  {
    ReemplazoTablas reemplazo(unidad.Hvdat());
    Nuevas(reemplazo);
    try {
      reemplazo.Reemplazar();
      ADD_FAILURE() << "sin error";
    } catch (const Error& error) {
      EXPECT_THAT(Utf8DesdeAnsi(error.Mensaje()),
                  HasSubstr("El archivo C:\\HVDAT\\AULAT.DBF está abierto en otro programa"));
    }
  }
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
}

}  // namespace
}  // namespace vadelto::prueba
