// vadelto-cli importar, run as a user runs it, on a temporary drive C:.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "import/apoyo_importacion.h"
#include "import/escuela_ejemplo.h"
#include "support/temp_drive.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

struct Salida {
  int estado;
  std::string errores;  // stderr, UTF-8
};

class CliImportar : public ::testing::Test {
 protected:
  CliImportar() {
    prueba::CrearTablasEscuela(unidad_.Hvdat());
    prueba::EscribirSolucDbase3(unidad_.Hvdat(), prueba::SolucEscuela());
    fs::copy_file(fs::path(VADELTO_TEST_DATA) / "import" / "horarios.xml", documento_);
  }

  Salida Ejecutar(const std::string& argumentos) {
    const fs::path errores = unidad_.Raiz() / "stderr.txt";
    const std::string orden = std::string(VADELTO_BIN_DIR) + "/vadelto-cli " + argumentos +
                              " >/dev/null 2>'" + errores.string() + "'";
    const int estado = std::system(orden.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, prueba::LeerArchivo(errores)};
  }

  prueba::UnidadTemporal unidad_;  // WINEPREFIX, inherited by the tool
  const fs::path documento_ = unidad_.Carpeta("racima") / "horarios.xml";
  const fs::path resultado_ = unidad_.Carpeta("racima") / "ResultadoHoravelhorarios.xml";
};

TEST_F(CliImportar, EscribeElDocumentoResultado) {
  const Salida salida = Ejecutar("importar '" + documento_.string() + "'");
  EXPECT_EQ(salida.estado, 0);
  EXPECT_EQ(salida.errores, "Proceso finalizado\n");
  ASSERT_TRUE(fs::exists(resultado_));
  EXPECT_EQ(std::system(("xmllint --noout '" + resultado_.string() + "'").c_str()), 0);
}

TEST_F(CliImportar, FinalesSinExito) {
  const Salida falta = Ejecutar("importar '" + (unidad_.Raiz() / "no-esta.xml").string() + "'");
  EXPECT_EQ(falta.estado, 1);
  EXPECT_EQ(falta.errores, "No existe archivo\n");

  fs::remove(unidad_.Hvdat() / "SOLUC.DBF");
  const Salida sinSoluc = Ejecutar("importar '" + documento_.string() + "'");
  EXPECT_EQ(sinSoluc.estado, 1);
  EXPECT_NE(sinSoluc.errores.find("C:\\HVDAT\\SOLUC.DBF"), std::string::npos) << sinSoluc.errores;

  fs::remove(unidad_.Hvdat() / "PERIODOS.DBF");
  prueba::EscribirSolucDbase3(unidad_.Hvdat(), prueba::SolucEscuela());
  const Salida sinPeriodos = Ejecutar("importar '" + documento_.string() + "'");
  EXPECT_EQ(sinPeriodos.estado, 1);
  EXPECT_EQ(sinPeriodos.errores,
            "ATENCIÓN - PERIODOS.DBF No encontrado - Importe de nuevo XML de RACIMA.\n");
  EXPECT_FALSE(fs::exists(resultado_));
}

TEST_F(CliImportar, ErroresDeUso) {
  for (const char* argumentos : {"importar", "importar a.xml b.xml", "importar --plantilla J1",
                                 "importar a.xml --plantilla J1"}) {
    const Salida salida = Ejecutar(argumentos);
    EXPECT_EQ(salida.estado, 2) << argumentos;
    EXPECT_NE(salida.errores.find("vadelto-cli importar DOCUMENTO"), std::string::npos);
  }
}

}  // namespace
}  // namespace vadelto
