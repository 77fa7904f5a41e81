#include "import/resultado.h"

#include <gtest/gtest.h>

#include "support/temp_drive.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

TEST(MinutosDeHora, ReglaDeLasHoras) {
  const std::pair<const char*, int> casos[] = {
      {"08:30", 510}, {"9:05", 545},   {"16:55", 1015}, {"", 0},
      {"00:00", 0},   {"23:59", 1439}, {"7", 427},      {"12:00:00", 720},
  };
  for (const auto& [hora, minutos] : casos) EXPECT_EQ(MinutosDeHora(hora), minutos) << hora;
}

TEST(MinutosDeHora, TextoQueNoEsHoraDaElErrorDeConversion) {
  const std::pair<const char*, const char*> casos[] = {
      {"9:5", ":5"}, {"ab:30", "ab"}, {"08:3x", "3x"}, {" 8:30", " 8"}, {"8:3", ":3"},
  };
  for (const auto& [hora, parte] : casos) {
    try {
      MinutosDeHora(hora);
      ADD_FAILURE() << hora;
    } catch (const Error& error) {
      EXPECT_EQ(error.Mensaje(), mensajes::NoEsEntero(parte)) << hora;
    }
  }
}

// The whole document, "fecha" included, with what the chosen document had above its root.
TEST(Resultado, SustituyeLaRaizYConservaLoDeArriba) {
  prueba::UnidadTemporal unidad;
  const fs::path elegido = unidad.Carpeta("racima") / "horarios.xml";
  prueba::EscribirArchivo(elegido,
                          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- Racima -->\n"
                          "<?racima version=\"2\"?>\n<SERVICIO><BLOQUE_DATOS>2010</BLOQUE_DATOS>"
                          "</SERVICIO>\n");
  xml::Document documento;
  documento.load(elegido);
  ASSERT_TRUE(documento.loaded());

  ValoresActividad valores{.dia = "1",
                           .tramo = "101",
                           .dependencia = "  ",
                           .unidad = "9001",
                           .oferta = "300",
                           .materia = "Mat\xE9m\x80",
                           .horaDesde = "08:30",
                           .horaHasta = "9:25",
                           .actividad = " "};
  Resultado resultado;
  resultado.IniciarResultado(documento, "2010", 2, "25/06/2010 09:05:03");
  resultado.AnadirGrupoProfesor(1, "1001", "01/09/2009", 1);
  resultado.AnadirGrupoActividad(1, valores, "15/09/2010", "22/06/2011");
  resultado.AnadirGrupoProfesor(2, "1002", "", 0);
  const fs::path destino = elegido.parent_path() / "ResultadoHoravelhorarios.xml";
  resultado.GuardarResultado(destino);

  EXPECT_EQ(
      prueba::LeerArchivo(destino),
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- Racima -->\n<?racima version=\"2\"?>\n"
      "<SERVICIO modulo=\"HORARIOS\" tipo=\"I\" autor=\"HORARIOS\" fecha=\"25/06/2010 09:05:03\">"
      "<BLOQUE_DATOS><grupo_datos seq=\"ANNO_ACADEMICO\"><dato nombre_dato=\"C_ANNO\">2010</dato>"
      "</grupo_datos><grupo_datos seq=\"HORARIOS_REGULARES\" registros=\"2\">"
      "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_1\" registros=\"1\">"
      "<dato nombre_dato=\"X_EMPLEADO\">1001</dato><dato "
      "nombre_dato=\"F_TOMAPOS\">01/09/2009</dato>"
      "<grupo_datos seq=\"ACTIVIDAD_1\"><dato nombre_dato=\"N_DIASEMANA\">1</dato>"
      "<dato nombre_dato=\"X_TRAMO\">101</dato><dato nombre_dato=\"X_DEPENDENCIA\"/>"
      "<dato nombre_dato=\"X_UNIDAD\">9001</dato><dato nombre_dato=\"X_OFERTAMATRIG\">300</dato>"
      "<dato nombre_dato=\"X_MATERIAOMG\">Mat\xC3\xA9m\xE2\x82\xAC</dato>"
      "<dato nombre_dato=\"F_INICIO\">15/09/2010</dato><dato "
      "nombre_dato=\"F_FIN\">22/06/2011</dato>"
      "<dato nombre_dato=\"N_HORINI\">510</dato><dato nombre_dato=\"N_HORFIN\">565</dato>"
      "<dato nombre_dato=\"X_ACTIVIDAD\">1</dato></grupo_datos></grupo_datos>"
      "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_2\" registros=\"0\">"
      "<dato nombre_dato=\"X_EMPLEADO\">1002</dato><dato nombre_dato=\"F_TOMAPOS\"/>"
      "</grupo_datos></grupo_datos></BLOQUE_DATOS></SERVICIO>\n");
  EXPECT_EQ(prueba::LeerArchivo(elegido).substr(0, 5), "<?xml");
}

}  // namespace
}  // namespace vadelto
