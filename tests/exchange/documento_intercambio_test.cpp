#include "exchange/documento_intercambio.h"

#include <gtest/gtest.h>

#include "support/temp_drive.h"

namespace vadelto {
namespace {

TEST(DocumentoIntercambio, CadaGrupoConSuSeqYSuRuta) {
  const std::pair<GrupoDatos, std::string> casos[] = {
      {GrupoDatos::Materias, "MATERIAS"},
      {GrupoDatos::Actividades, "ACTIVIDADES"},
      {GrupoDatos::Empleados, "EMPLEADOS"},
      {GrupoDatos::Dependencias, "DEPENDENCIAS"},
      {GrupoDatos::CursosDelCentro, "CURSOS_DEL_CENTRO"},
      {GrupoDatos::Unidades, "UNIDADES"},
      {GrupoDatos::JornadasEscolares, "JORNADAS_ESCOLARES"},
      {GrupoDatos::TramosHorarios, "TRAMOS_HORARIOS"},
  };
  for (const auto& [grupo, seq] : casos) {
    EXPECT_EQ(SeqDe(grupo), seq);
    EXPECT_EQ(RutaDe(grupo),
              "/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"" + seq + "\"]/grupo_datos");
  }
}

class Registros : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto ruta = unidad_.Carpeta("xml") / "racima.xml";
    prueba::EscribirArchivo(
        ruta,
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
        "<SERVICIO modulo=\"HORARIOS\">\n"
        " <BLOQUE_DATOS>\n"
        "  <grupo_datos seq=\"ANNO_ACADEMICO\"><dato>2024</dato></grupo_datos>\n"
        "  <grupo_datos seq=\"MATERIAS\" registros=\"3\">\n"
        "   <grupo_datos seq=\"MATERIA_1\">\n"
        "    <dato nombre_dato=\"X_MATERIAOMG\">101</dato>\n"
        "    <otro>no es un dato</otro>\n"
        "    <dato nombre_dato=\"D_MATERIAC\">  Educaci\xF3n F\xEDsica </dato>\n"
        "    <dato nombre_dato=\"VACIO\"></dato>\n"
        "   </grupo_datos>\n"
        "   <grupo_datos seq=\"MATERIA_2\"><dato>102</dato><dato>&#8364; &#937;</dato>"
        "<grupo_datos><dato>anidado</dato></grupo_datos></grupo_datos>\n"
        "   <grupo_datos seq=\"MATERIA_3\"/>\n"
        "  </grupo_datos>\n"
        "  <grupo_datos seq=\"EMPLEADOS\"><grupo_datos><dato>E1</dato></grupo_datos>"
        "</grupo_datos>\n"
        " </BLOQUE_DATOS>\n"
        " <grupo_datos seq=\"UNIDADES\"><grupo_datos><dato>fuera</dato></grupo_datos>"
        "</grupo_datos>\n"
        "</SERVICIO>\n");
    documento_.load(ruta);
    ASSERT_TRUE(documento_.loaded());
  }

  prueba::UnidadTemporal unidad_{false};
  xml::Document documento_;
};

TEST_F(Registros, EnOrdenConSusDatosPorPosicion) {
  const auto materias = LeerRegistros(documento_, GrupoDatos::Materias);
  ASSERT_EQ(materias.size(), 3u);
  for (std::size_t i = 0; i < materias.size(); ++i) EXPECT_EQ(materias[i].Indice(), i);

  const Registro& primera = materias[0];
  EXPECT_EQ(primera.Cantidad(), 3u);  // <otro> is no field
  EXPECT_EQ(primera.Dato(0), "101");
  EXPECT_EQ(primera.Dato(1), "  Educaci\xF3n F\xEDsica ");  // Windows-1252, as it comes
  EXPECT_EQ(primera.Recortado(1), "Educaci\xF3n F\xEDsica");
  EXPECT_EQ(primera.Dato(2), "");  // present and empty
  EXPECT_TRUE(primera.Tiene(2));
  EXPECT_FALSE(primera.Tiene(3));
  EXPECT_EQ(primera.Dato(3), std::nullopt);  // absent
  EXPECT_EQ(primera.Texto(3), "");
  EXPECT_EQ(primera.Recortado(3), "");

  EXPECT_EQ(materias[1].Cantidad(), 2u);     // the nested record's dato is not its own
  EXPECT_EQ(materias[1].Dato(1), "\x80 ?");  // no Windows-1252 form for omega
  EXPECT_EQ(materias[2].Cantidad(), 0u);
  EXPECT_EQ(materias[2].Dato(0), std::nullopt);

  const auto empleados = LeerRegistros(documento_, GrupoDatos::Empleados);
  ASSERT_EQ(empleados.size(), 1u);
  EXPECT_EQ(empleados[0].Dato(0), "E1");
}

TEST_F(Registros, UnGrupoQueFaltaNoDaRegistros) {
  EXPECT_TRUE(LeerRegistros(documento_, GrupoDatos::TramosHorarios).empty());
  EXPECT_TRUE(LeerRegistros(documento_, GrupoDatos::Unidades).empty());  // outside BLOQUE_DATOS
  xml::Document vacio;
  vacio.load(unidad_.Carpeta("xml") / "no-existe.xml");
  EXPECT_TRUE(LeerRegistros(vacio, GrupoDatos::Materias).empty());
}

// The sample school's document: every group gives as many records as it announces.
TEST(DocumentoIntercambio, ElInstitutoDeEjemplo) {
  const auto ruta = std::filesystem::path(VADELTO_TEST_DATA).parent_path().parent_path() /
                    "samples" / "instituto" / "racima.xml";
  xml::Document documento;
  documento.load(ruta);
  ASSERT_TRUE(documento.loaded()) << ruta;
  for (const auto grupo :
       {GrupoDatos::Materias, GrupoDatos::Actividades, GrupoDatos::Empleados,
        GrupoDatos::Dependencias, GrupoDatos::CursosDelCentro, GrupoDatos::Unidades,
        GrupoDatos::JornadasEscolares, GrupoDatos::TramosHorarios}) {
    const std::string anunciados =
        documento
            .selectSingleNode("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"" +
                              std::string(SeqDe(grupo)) + "\"]")
            .attribute("registros");
    const auto registros = LeerRegistros(documento, grupo);
    EXPECT_FALSE(registros.empty()) << SeqDe(grupo);
    EXPECT_EQ(std::to_string(registros.size()), anunciados) << SeqDe(grupo);
    for (const auto& registro : registros) EXPECT_GT(registro.Cantidad(), 0u) << SeqDe(grupo);
  }
  // The import reads the academic year from the first child of BLOQUE_DATOS.
  EXPECT_EQ(documento.selectSingleNode("/SERVICIO/BLOQUE_DATOS").firstChild().text(), "2026");
}

}  // namespace
}  // namespace vadelto
