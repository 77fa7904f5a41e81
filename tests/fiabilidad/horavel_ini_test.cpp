// Horavel.ini that cannot be written: the close of an embedded window reports it with the
// platform's words and leaves the file, or whatever stands in its place, as it was.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "fiabilidad/proceso_hijo.h"
#include "sesion/modo_incrustado.h"
#include "support/temp_drive.h"
#include "text/error.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

constexpr char kAnterior[] = "[General]\r\nIdioma=ES\r\n[Transformadores]\r\nTransformado=0\r\n";

struct CasoIni {
  const char* nombre;
  // Lays out the program's folder; the ordinary user the child runs as may write where
  // `carpetaDelUsuario` says.
  void (*preparar)(const fs::path& ini);
  bool carpetaDelUsuario;
};

void SoloLectura(const fs::path& ini) {
  prueba::EscribirArchivo(ini, kAnterior);
  ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
}

void EsCarpeta(const fs::path& ini) {
  fs::create_directories(ini / "dentro");
}

void DeOtroUsuario(const fs::path& ini) {
  prueba::EscribirArchivo(ini, kAnterior);
  ASSERT_EQ(::chmod(ini.c_str(), 0644), 0);
}

class HoravelIniNoEscribible : public testing::TestWithParam<CasoIni> {};

TEST_P(HoravelIniNoEscribible, SeDiceYNadaCambia) {
  prueba::UnidadTemporal unidad;
  // The ordinary user must reach the program's folder through the temporary tree.
  ASSERT_EQ(::chmod(unidad.Raiz().c_str(), 0755), 0);
  const fs::path programa = unidad.Carpeta("programa");
  const fs::path ini = programa / "Horavel.ini";
  GetParam().preparar(ini);
  if (GetParam().carpetaDelUsuario) {
    ASSERT_EQ(
        ::chown(programa.c_str(), prueba::UsuarioSinPrivilegios(), prueba::GrupoSinPrivilegios()),
        0);
  }
  const auto antes = prueba::Instantanea(programa);

  Sesion sesion;
  sesion.ModoIncrustado = 2;
  sesion.CodigoResultado = 1;
  sesion.CarpetaPrograma = programa;
  const prueba::FinHijo fin = prueba::EnHijo(
      [&] {
        GuardarCodigoResultado(sesion);
        return std::string("escrito");
      },
      prueba::CondicionesHijo::SinPrivilegios());

  EXPECT_EQ(fin.estado, 1) << fin.texto;
  EXPECT_EQ(fin.texto, "Unable to write to " + ini.string());
  EXPECT_EQ(prueba::Instantanea(programa), antes);
  EXPECT_EQ(fs::is_directory(ini), fs::is_directory(ini / "dentro"));
}

INSTANTIATE_TEST_SUITE_P(Casos, HoravelIniNoEscribible,
                         testing::Values(CasoIni{"SoloLectura", SoloLectura, true},
                                         CasoIni{"EsUnaCarpeta", EsCarpeta, true},
                                         CasoIni{"DeOtroUsuarioEnSuCarpeta", DeOtroUsuario, false}),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace vadelto
