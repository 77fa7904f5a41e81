// vadelto-cli exportar, run as a user runs it, on a temporary drive C:.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "export/apoyo.h"
#include "support/temp_drive.h"
#include "tables/tablas_trabajo.h"

namespace vadelto::prueba {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct Salida {
  int estado;
  std::string errores;  // stderr
};

class Cli : public ::testing::Test {
 protected:
  Salida Ejecutar(const std::string& argumentos) {
    const fs::path errores = unidad.Raiz() / "stderr.txt";
    const std::string orden = std::string(VADELTO_BIN_DIR) + "/vadelto-cli " + argumentos +
                              " >/dev/null 2>" + errores.string();
    const int estado = std::system(orden.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, LeerArchivo(errores)};
  }

  std::string Documento(const DocumentoRacima& documento) {
    return documento.Escribir(unidad.Carpeta("documentos") / "racima.xml").string();
  }

  UnidadTemporal unidad;  // WINEPREFIX, inherited by the tool
};

TEST_F(Cli, ExportaConLaTablaDeNivelesInstalada) {
  const Salida salida = Ejecutar("exportar " + Documento(DocumentoCompleto()));
  EXPECT_EQ(salida.estado, 0);
  EXPECT_THAT(salida.errores,
              ::testing::StartsWith("Proceso finalizado\nFilas escritas por tabla:\n"));
  EXPECT_THAT(Filas(unidad.Hvdat() / "CURSOST.DBF", {"NIVEL", "ESTUD"}),
              ::testing::ElementsAre(Fila{"ESO", "Educación Secundaria Obligatoria"}));
}

TEST_F(Cli, VariasPlantillasSinElegirNoCambiaNada) {
  const std::string documento = Documento(DocumentoCompleto().Grupo(
      "JORNADAS_ESCOLARES", {{"J1", "Mañana", "a", "b"}, {"J2", "Tarde", "c", "d"}}));
  const auto antes = Instantanea(unidad.Hvdat());
  const Salida salida = Ejecutar("exportar " + documento);
  EXPECT_EQ(salida.estado, 2);
  EXPECT_THAT(salida.errores, HasSubstr("--plantilla"));
  EXPECT_THAT(salida.errores, HasSubstr("  J1  Mañana\n  J2  Tarde\n"));
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);

  EXPECT_EQ(Ejecutar("exportar --plantilla J2 " + documento).estado, 0);
  EXPECT_THAT(Filas(unidad.Hvdat() / "PERIODOS.DBF", {"CJORNADA"}),
              ::testing::ElementsAre(Fila{"J2"}));
}

TEST_F(Cli, InstitutoDeEjemplo) {
  const fs::path documento = ArchivoDelRepositorio("samples/instituto/racima.xml");
  const Salida salida = Ejecutar("exportar " + documento.string() + " --plantilla=J1");
  ASSERT_EQ(salida.estado, 0) << salida.errores;
  const auto filas = [&](const char* tabla, std::vector<std::string> campos) {
    return Filas(unidad.Hvdat() / tabla, campos);
  };
  EXPECT_EQ(filas("PROFT.DBF", {"ABREV"}).size(), 40u);
  EXPECT_EQ(filas("AULAT.DBF", {"ABREV"}).size(), 25u);
  EXPECT_EQ(filas("GRUPOST.DBF", {"ABREV"}).size(), 15u);
  EXPECT_EQ(filas("ASIGT.DBF", {"CASIG"}).size(), 150u);  // each subject offering, per group
  EXPECT_EQ(filas("DIASHORAST.DBF", {"DIHO"}).size(), 49u);
  for (const Fila& curso : filas("CURSOST.DBF", {"NIVEL"})) EXPECT_NE(curso[0], "Niv");
  EXPECT_THAT(filas("PERIODOS.DBF", {"CJORNADA"}), ::testing::ElementsAre(Fila{"J1"}));
}

TEST_F(Cli, FinalesSinExito) {
  const Salida error = Ejecutar(
      "exportar " + Documento(DocumentoCompleto().Grupo("CURSOS_DEL_CENTRO", {{"12a", "1º"}})));
  EXPECT_EQ(error.estado, 1);
  EXPECT_EQ(error.errores, "'12a' no es un valor entero válido.\n");
  EXPECT_TRUE(fs::is_empty(unidad.Hvdat()));

  const Salida falta = Ejecutar("exportar " + (unidad.Raiz() / "no-esta.xml").string());
  EXPECT_EQ(falta.estado, 1);
  EXPECT_EQ(falta.errores, "No existe archivo\n");
}

TEST_F(Cli, ErroresDeUso) {
  EXPECT_EQ(Ejecutar("").estado, 2);
  EXPECT_EQ(Ejecutar("exportar").estado, 2);
  EXPECT_EQ(Ejecutar("exportar a.xml b.xml").estado, 2);
  EXPECT_EQ(Ejecutar("exportar a.xml --plantilla").estado, 2);
  EXPECT_EQ(Ejecutar("convertir a.xml").estado, 2);
}

}  // namespace
}  // namespace vadelto::prueba
