// The import under faults: a SOLUC that another program holds or whose header lies, and a
// result document that cannot be written. Each ends with the user's message, the normal
// cursor, the tables free, and nothing written anywhere.

#include <sys/stat.h>
#include <unistd.h>

#include "fiabilidad/escenario.h"
#include "fiabilidad/proceso_hijo.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/mensajes.h"

namespace vadelto::prueba {
namespace {
namespace fs = std::filesystem;

std::string Utf8(const std::string& ansi) {
  return Utf8DesdeAnsi(ansi);
}

class ImportacionConFallos : public Escenario {
 protected:
  ImportacionConFallos() {
    TablasExportadas();
    Elegir(DocumentoCompleto(), "horarios.xml");
  }
  fs::path Resultado() const { return unidad.Raiz() / "racima" / "ResultadoHoravelhorarios.xml"; }

  // The import ended early: nothing written anywhere, tables free again.
  void EsperarNadaHecho(const Archivos& antes) {
    EXPECT_EQ(Instantanea(unidad.Raiz()), antes);
    EXPECT_TRUE(interfaz.mensajes.empty());
    EsperarSinConversion();
    EsperarTablasLibres();
  }
};

TEST_F(ImportacionConFallos, SolucAbiertaPorOtroProgramaSeRechaza) {
  const auto antes = Instantanea(unidad.Raiz());
  {
    TablaAbiertaEnOtroProceso horavel(Soluc());
    EXPECT_EQ(Importar(),
              Utf8(mensajes::TablaNoExclusiva(AnsiDesdeUtf8(NombreEnMensajes(Soluc())))));
  }
  EsperarNadaHecho(antes);
}

TEST_F(ImportacionConFallos, SinCarpetaHvdatNoSeCreaNada) {
  fs::remove_all(unidad.Hvdat());
  const auto antes = Instantanea(unidad.Raiz());
  EXPECT_EQ(Importar(),
            Utf8(mensajes::TablaCarpetaNoExiste(AnsiDesdeUtf8(NombreEnMensajes(Soluc())))));
  EXPECT_EQ(Instantanea(unidad.Raiz()), antes);
  EXPECT_FALSE(fs::exists(unidad.Hvdat()));
  EsperarSinConversion();
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
  std::string soluc = LeerArchivo(Soluc());
  soluc.replace(GetParam().posicion, GetParam().bytes.size(), GetParam().bytes);
  EscribirArchivo(Soluc(), soluc);
  const auto antes = Instantanea(unidad.Raiz());
  EXPECT_EQ(Importar(), Utf8(mensajes::TablaDanada(AnsiDesdeUtf8(NombreEnMensajes(Soluc())),
                                                   GetParam().detalle)));
  EsperarNadaHecho(antes);
}

// SOLUC as a timetabling program writes it: 7 descriptors after a 32-byte header (a header of
// 257 bytes), records of 1 + 10 + 1 + 2 + 10 + 10 + 10 + 10 = 54 bytes, two per teacher (the
// one teacher of the earlier export).
INSTANTIATE_TEST_SUITE_P(
    Casos, SolucQueMiente,
    testing::Values(Mentira{"RegistroMasLargo", 10, std::string("\x40\x00", 2),
                            mensajes::DetalleLongitudRegistro(64, 54)},
                    Mentira{"RegistroMasCorto", 10, std::string("\x20\x00", 2),
                            mensajes::DetalleLongitudRegistro(32, 54)},
                    Mentira{"MasRegistrosDeLosQueHay", 4, std::string("\x00\x01\x00\x00", 4),
                            mensajes::DetalleRegistrosIncompletos(256, 2)},
                    Mentira{"CuatroMilMillonesDeRegistros", 4, "\xFF\xFF\xFF\xFF",
                            mensajes::DetalleRegistrosIncompletos(4294967295u, 2)},
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
  ASSERT_EQ(::chmod(unidad.Raiz().c_str(), 0755), 0);
  for (const auto& entrada : fs::recursive_directory_iterator(unidad.UnidadC())) {
    ASSERT_EQ(::chown(entrada.path().c_str(), UsuarioSinPrivilegios(), GrupoSinPrivilegios()), 0);
  }
  ASSERT_EQ(::chmod(Resultado().parent_path().c_str(), 0755), 0);
  const auto antes = Instantanea(unidad.Raiz());

  const FinHijo fin = EnHijo(
      [&] {
        const std::string mensaje = Importar();
        EsperarSinConversion();
        return mensaje + (testing::Test::HasFailure() ? " (y algo cambió)" : "");
      },
      CondicionesHijo::SinPrivilegios());
  EXPECT_EQ(fin.texto, Utf8(mensajes::XmlNoSeGuarda(AnsiDesdeUtf8(Resultado().string()))));
  EXPECT_EQ(Instantanea(unidad.Raiz()), antes);
  EsperarTablasLibres();
}

TEST_F(ImportacionConFallos, ElResultadoEsUnaCarpeta) {
  fs::create_directories(Resultado() / "dentro");
  const auto antes = Instantanea(unidad.Raiz());
  EXPECT_EQ(Importar(), Utf8(mensajes::XmlNoSeGuarda(AnsiDesdeUtf8(Resultado().string()))));
  EsperarNadaHecho(antes);
  EXPECT_TRUE(fs::is_directory(Resultado() / "dentro"));
}

}  // namespace
}  // namespace vadelto::prueba
