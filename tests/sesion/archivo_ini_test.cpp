#include "sesion/archivo_ini.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_drive.h"
#include "text/error.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

struct CasoIni {
  const char* nombre;
  std::string antes;
  std::string despues;
};

class EscritorIni : public testing::TestWithParam<CasoIni> {};

TEST_P(EscritorIni, CambiaSoloLaClave) {
  EXPECT_EQ(ini::WithValue(GetParam().antes, "Transformadores", "Transformado", "1"),
            GetParam().despues);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EscritorIni,
    testing::Values(
        CasoIni{"ArchivoVacio", "", "[Transformadores]\r\nTransformado=1\r\n"},
        CasoIni{"OtrasSeccionesComentariosYCrlf",
                "; Ajustes de Horavel\r\n[General]\r\nIdioma=ES\r\nTransformado=7\r\n\r\n"
                "[ transformadores ]\r\n; resultado\r\n;Transformado=5\r\n TRANSFORMADO = 0\r\n"
                "Otra=x\r\n\r\n[Fin]\r\nA=1\r\n",
                "; Ajustes de Horavel\r\n[General]\r\nIdioma=ES\r\nTransformado=7\r\n\r\n"
                "[ transformadores ]\r\n; resultado\r\n;Transformado=5\r\n TRANSFORMADO = 1\r\n"
                "Otra=x\r\n\r\n[Fin]\r\nA=1\r\n"},
        CasoIni{"SeccionSinLaClave", "[Transformadores]\r\nOtra=x\r\n; fin\r\n\r\n[Fin]\r\nA=1\r\n",
                "[Transformadores]\r\nOtra=x\r\n; fin\r\nTransformado=1\r\n\r\n[Fin]\r\nA=1\r\n"},
        CasoIni{"SeccionVaciaAlFinal", "[A]\r\nB=2\r\n[Transformadores]",
                "[A]\r\nB=2\r\n[Transformadores]\r\nTransformado=1\r\n"},
        CasoIni{"SeccionNuevaConFinesDeLineaLf", "[A]\nB=2\n",
                "[A]\nB=2\n[Transformadores]\nTransformado=1\n"},
        CasoIni{"UltimaLineaSinFin", "[A]\nB=2", "[A]\nB=2\n[Transformadores]\nTransformado=1\n"},
        CasoIni{"ValorVacio", "[Transformadores]\nTransformado=\nZ=1\n",
                "[Transformadores]\nTransformado=1\nZ=1\n"},
        CasoIni{"GanaLaPrimeraSeccion",
                "[Transformadores]\r\nTransformado=0\r\n[TRANSFORMADORES]\r\nTransformado=0\r\n",
                "[Transformadores]\r\nTransformado=1\r\n[TRANSFORMADORES]\r\nTransformado=0\r\n"},
        CasoIni{"MarcaDeOrdenDeBytes", "\xEF\xBB\xBF[Transformadores]\r\nTransformado=0\r\n",
                "\xEF\xBB\xBF[Transformadores]\r\nTransformado=1\r\n"},
        CasoIni{"CorcheteSinCerrarNoEsSeccion", "[Transformadores\r\nTransformado=0\r\n",
                "[Transformadores\r\nTransformado=0\r\n[Transformadores]\r\nTransformado=1\r\n"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ArchivoIni, CreaElArchivoYLuegoSoloCambiaLaClave) {
  prueba::UnidadTemporal unidad;
  const fs::path ruta = unidad.Carpeta("programa") / "Horavel.ini";
  ini::WriteValue(ruta, "Transformadores", "Transformado", "-1");
  EXPECT_EQ(prueba::LeerArchivo(ruta), "[Transformadores]\r\nTransformado=-1\r\n");

  prueba::EscribirArchivo(ruta, "[General]\nX=1\n[Transformadores]\nTransformado=0\n");
  ASSERT_EQ(chmod(ruta.c_str(), 0640), 0);
  ini::WriteValue(ruta, "Transformadores", "Transformado", "1");
  EXPECT_EQ(prueba::LeerArchivo(ruta), "[General]\nX=1\n[Transformadores]\nTransformado=1\n");
  EXPECT_EQ(fs::status(ruta).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // Nothing is left beside it.
  EXPECT_EQ(prueba::Instantanea(ruta.parent_path()).size(), 1u);
}

TEST(ArchivoIni, UnFalloNombraLaRutaCompletaYNoTocaNada) {
  prueba::UnidadTemporal unidad;
  const fs::path carpeta = unidad.Carpeta("programa");
  const fs::path sinCarpeta = carpeta / "no-existe" / "Horavel.ini";
  const fs::path esCarpeta = carpeta / "Horavel.ini";
  fs::create_directories(esCarpeta / "dentro");
  for (const fs::path& ruta : {sinCarpeta, esCarpeta}) {
    try {
      ini::WriteValue(ruta, "Transformadores", "Transformado", "1");
      ADD_FAILURE() << "no error for " << ruta;
    } catch (const Error& error) {
      EXPECT_EQ(error.Mensaje(), "Unable to write to " + ruta.string());
    }
  }
  EXPECT_EQ(prueba::Instantanea(carpeta).size(), 0u);
  EXPECT_TRUE(fs::is_directory(esCarpeta / "dentro"));
}

TEST(ArchivoIni, UnaRutaRelativaSeNombraCompleta) {
  prueba::UnidadTemporal unidad;
  const fs::path anterior = fs::current_path();
  fs::current_path(unidad.Carpeta("trabajo"));
  try {
    ini::WriteValue("falta/Horavel.ini", "Transformadores", "Transformado", "1");
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.Mensaje(),
              "Unable to write to " + (unidad.Carpeta("trabajo") / "falta/Horavel.ini").string());
  }
  fs::current_path(anterior);
}

}  // namespace
}  // namespace vadelto
