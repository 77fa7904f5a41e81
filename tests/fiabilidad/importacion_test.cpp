// The import under faults: a SOLUC that another program holds or whose header lies, and a
// result document that cannot be written. Each ends with the user's message, the normal
// cursor, the tables free, and nothing written anywhere.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "fiabilidad/proceso_hijo.h"
#include "import/apoyo_importacion.h"
#include "import/escuela_ejemplo.h"
#include "import/importar.h"
#include "support/temp_drive.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

constexpr char kDocumento[] =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<SERVICIO><BLOQUE_DATOS>"
    "<grupo_datos seq=\"ANNO_ACADEMICO\"><dato>2026</dato></grupo_datos>"
    "</BLOQUE_DATOS></SERVICIO>\n";

class ImportacionConFallos : public testing::Test {
 protected:
  ImportacionConFallos() {
    prueba::CrearTablasEscuela(unidad_.Hvdat());
    prueba::EscribirSolucDbase3(unidad_.Hvdat(), prueba::SolucEscuela());
    sesion_.CarpetaTablas = unidad_.Hvdat();
    sesion_.CarpetaPrograma = unidad_.Carpeta("programa");
    interfaz_.documento = unidad_.Carpeta("racima") / "horarios.xml";
    prueba::EscribirArchivo(*interfaz_.documento, kDocumento);
  }

  fs::path Soluc() const { return unidad_.Hvdat() / "SOLUC.DBF"; }
  fs::path Resultado() const { return unidad_.Raiz() / "racima" / "ResultadoHoravelhorarios.xml"; }
  // How the engine names a table in its messages: as the user knows it, and where it is.
  std::string NombreSoluc() const {
    return RotuloTabla("SOLUC.DBF") + " (" + AnsiDesdeUtf8(Soluc().string()) + ")";
  }

  std::string Importar() {
    try {
      BImportarClick(sesion_, interfaz_);
    } catch (const Error& error) {
      return error.Mensaje();
    }
    return "sin error";
  }

  // The import ended early: nothing written, no success reported, tables free again.
  void EsperarNadaHecho(const std::map<std::string, std::string>& antes) {
    EXPECT_EQ(prueba::Instantanea(unidad_.Raiz()), antes);
    EXPECT_EQ(sesion_.CodigoResultado, 0);
    EXPECT_EQ(interfaz_.botonesDesactivados, 0);
    EXPECT_TRUE(interfaz_.mensajes.empty());
    ASSERT_FALSE(interfaz_.reloj.empty());
    EXPECT_FALSE(interfaz_.reloj.back());
    // A damaged SOLUC cannot be opened to see that it is free: the sound one, in its place
    // (the same file, so a lock left on it would still show), can.
    prueba::EscribirArchivo(Soluc(), prueba::SolucDbase3(prueba::SolucEscuela()));
    prueba::EsperarTablasLibres(unidad_.Hvdat());
  }

  prueba::UnidadTemporal unidad_;
  Sesion sesion_;
  prueba::InterfazPrueba interfaz_;
};

TEST_F(ImportacionConFallos, SolucAbiertaPorOtroProgramaSeRechaza) {
  const auto antes = prueba::Instantanea(unidad_.Raiz());
  {
    prueba::TablaAbiertaEnOtroProceso horavel(Soluc());
    EXPECT_EQ(Importar(), mensajes::TablaNoExclusiva(NombreSoluc()));
  }
  EsperarNadaHecho(antes);
}

// A header that lies about the lengths of what follows: each lie is named, nothing is read
// past the end of the file.
struct Mentira {
  const char* nombre;
  std::size_t posicion;  // in the header
  std::string bytes;     // written there
  std::string detalle;
};

class SolucQueMiente : public ImportacionConFallos, public testing::WithParamInterface<Mentira> {};

TEST_P(SolucQueMiente, SeDiceQueEstaDanada) {
  std::string soluc = prueba::LeerArchivo(Soluc());
  soluc.replace(GetParam().posicion, GetParam().bytes.size(), GetParam().bytes);
  prueba::EscribirArchivo(Soluc(), soluc);
  const auto antes = prueba::Instantanea(unidad_.Raiz());
  EXPECT_EQ(Importar(), mensajes::TablaDanada(NombreSoluc(), GetParam().detalle));
  EsperarNadaHecho(antes);
}

// SOLUC as a timetabling program writes it: 7 descriptors after a 32-byte header (a header of
// 257 bytes), records of 1 + 10 + 1 + 2 + 10 + 10 + 10 + 10 = 54 bytes, 12 of them.
INSTANTIATE_TEST_SUITE_P(
    Casos, SolucQueMiente,
    testing::Values(
        Mentira{"RegistroMasLargo", 10, std::string("\x40\x00", 2),
                mensajes::DetalleLongitudRegistro(64, 54)},
        Mentira{"RegistroMasCorto", 10, std::string("\x20\x00", 2),
                mensajes::DetalleLongitudRegistro(32, 54)},
        Mentira{"MasRegistrosDeLosQueHay", 4, std::string("\x00\x01\x00\x00", 4),
                mensajes::DetalleRegistrosIncompletos(256, prueba::SolucEscuela().size())},
        Mentira{"CuatroMilMillonesDeRegistros", 4, "\xFF\xFF\xFF\xFF",
                mensajes::DetalleRegistrosIncompletos(4294967295u, prueba::SolucEscuela().size())},
        Mentira{"EncabezadoMasLargoQueElArchivo", 8, "\xFF\xFF",
                mensajes::DetalleEncabezadoIncompleto()},
        Mentira{"EncabezadoQueCortaUnCampo", 8, std::string("\x50\x00", 2),
                mensajes::DetalleCamposSinFin()},
        Mentira{"CampoDeLongitudCero", 32 + 32 + 16, std::string("\x00", 1),
                mensajes::DetalleCampoNoValido("DIA")}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Where the result document cannot go. As root, permission bits stop nothing, so the import
// runs as an ordinary user who owns the tables but not Racima's folder.
TEST_F(ImportacionConFallos, CarpetaDelResultadoSinPermisoDeEscritura) {
  ASSERT_EQ(::chmod(unidad_.Raiz().c_str(), 0755), 0);
  for (const auto& entrada : fs::recursive_directory_iterator(unidad_.UnidadC())) {
    ASSERT_EQ(::chown(entrada.path().c_str(), prueba::UsuarioSinPrivilegios(),
                      prueba::GrupoSinPrivilegios()),
              0);
  }
  ASSERT_EQ(::chmod(Resultado().parent_path().c_str(), 0755), 0);
  const auto antes = prueba::Instantanea(unidad_.Raiz());

  const prueba::FinHijo fin = prueba::EnHijo(
      [&] {
        const std::string mensaje = Importar();
        EsperarNadaHecho(antes);
        return mensaje + (testing::Test::HasFailure() ? " (y algo cambió)" : "");
      },
      prueba::CondicionesHijo::SinPrivilegios());
  EXPECT_EQ(fin.texto, mensajes::XmlNoSeGuarda(AnsiDesdeUtf8(Resultado().string())));
  EXPECT_EQ(prueba::Instantanea(unidad_.Raiz()), antes);
}

TEST_F(ImportacionConFallos, ElResultadoEsUnaCarpeta) {
  fs::create_directories(Resultado() / "dentro");
  const auto antes = prueba::Instantanea(unidad_.Raiz());
  EXPECT_EQ(Importar(), mensajes::XmlNoSeGuarda(AnsiDesdeUtf8(Resultado().string())));
  EsperarNadaHecho(antes);
  EXPECT_TRUE(fs::is_directory(Resultado() / "dentro"));
}

}  // namespace
}  // namespace vadelto
