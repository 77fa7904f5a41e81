// How single SOLUC entries resolve, read back from the result document.

#include <gtest/gtest.h>

#include <map>

#include "exchange/xml_document.h"
#include "import/apoyo_importacion.h"
#include "import/escuela_ejemplo.h"
#include "import/importar.h"
#include "support/temp_drive.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

using Campos = std::map<std::string, std::string>;  // nombre_dato -> expected text

struct Caso {
  const char* nombre;
  std::vector<prueba::FilaSoluc> soluc;
  int profesor;                  // which teacher group to read, from 1
  std::vector<Campos> entradas;  // its ACTIVIDAD_1, ACTIVIDAD_2, ...: the fields that matter
};

class Resolucion : public ::testing::TestWithParam<Caso> {};

TEST_P(Resolucion, ValoresDelDocumento) {
  prueba::UnidadTemporal unidad;
  prueba::CrearTablasEscuela(unidad.Hvdat());
  prueba::EscribirSolucDbase3(unidad.Hvdat(), GetParam().soluc);
  const fs::path elegido = unidad.Carpeta("racima") / "horarios.xml";
  fs::copy_file(fs::path(VADELTO_TEST_DATA) / "import" / "sin-declaracion.xml", elegido);
  Sesion sesion;
  sesion.CarpetaPrograma = unidad.Carpeta("programa");
  sesion.CarpetaTablas = unidad.Hvdat();
  prueba::InterfazPrueba interfaz;
  interfaz.documento = elegido;
  try {
    BImportarClick(sesion, interfaz);
  } catch (const Error& error) {
    FAIL() << error.Mensaje();
  }

  xml::Document resultado;
  resultado.load(elegido.parent_path() / "ResultadoHoravelhorarios.xml");
  const xml::Node profesor = resultado.selectSingleNode(
      "/SERVICIO/BLOQUE_DATOS/grupo_datos/grupo_datos[@seq=\"HORARIO_REGULAR_PROFESOR_" +
      std::to_string(GetParam().profesor) + "\"]");
  ASSERT_TRUE(profesor);
  EXPECT_EQ(profesor.attribute("registros"), std::to_string(GetParam().entradas.size()));
  EXPECT_EQ(profesor.selectNodes("grupo_datos").length(), GetParam().entradas.size());
  for (std::size_t a = 0; a < GetParam().entradas.size(); ++a) {
    const std::string grupo = "grupo_datos[@seq=\"ACTIVIDAD_" + std::to_string(a + 1) + "\"]";
    EXPECT_EQ(profesor.selectNodes(grupo + "/dato").length(), 11u);
    for (const auto& [campo, esperado] : GetParam().entradas[a]) {
      const xml::Node dato =
          profesor.selectSingleNode(grupo + "/dato[@nombre_dato=\"" + campo + "\"]");
      ASSERT_TRUE(dato) << campo;
      EXPECT_EQ(AnsiDesdeUtf8(dato.text()), esperado) << "ACTIVIDAD_" << a + 1 << " " << campo;
    }
  }
}

const Caso kCasos[] = {
    {"dia_cero_no_cuenta",
     {{"ANA", "0", "1", "MAT", "1A", "", ""}, {"ANA", "2", "1", "MAT", "1A", "", ""}},
     1,
     {{{"N_DIASEMANA", "2"}}}},
    {"comilla_en_el_codigo_del_profesor",
     {{"O'NEIL", "1", "1", "LEN", "1A", "", ""}, {"O", "1", "2", "LEN", "1A", "", ""}},
     2,
     {{{"X_MATERIAOMG", "5002"}}}},
    {"numeracion_en_orden_de_soluc",
     {{"ANA", "1", "2", "MAT", "1A", "", ""}, {"ANA", "1", "1", "MAT", "1A", "", ""}},
     1,
     {{{"X_TRAMO", "102"}}, {{"X_TRAMO", "101"}}}},
    {"profesor_sin_entradas", {{"ANA", "1", "1", "MAT", "1A", "", ""}}, 4, {}},
    {"clave_de_tramo_desconocida",
     {{"ANA", "3", "7", "MAT", "1A", "", ""}},
     1,
     {{{"N_DIASEMANA", ""}, {"X_TRAMO", ""}, {"N_HORINI", "0"}, {"N_HORFIN", "0"}}}},
    {"horas_en_minutos",
     {{"ANA", "1", "1", "MAT", "1A", "", ""}, {"ANA", "1", "10", "MAT", "1A", "", ""}},
     1,
     {{{"N_HORINI", "510"}, {"N_HORFIN", "565"}}, {{"N_HORINI", "545"}, {"N_HORFIN", "1015"}}}},
    {"primera_asignacion_de_asigt",
     {{"ANA", "1", "1", "MAT", "1A", "", ""}},
     1,
     {{{"X_MATERIAOMG", "5001"}, {"X_OFERTAMATRIG", "300"}, {"X_UNIDAD", "9001"}}}},
    {"materia_por_asignomt2",
     {{"ANA", "1", "1", "ING", "1B", "", ""}},
     1,
     {{{"X_MATERIAOMG", "6001"}, {"X_OFERTAMATRIG", "301"}, {"X_UNIDAD", "9002"}}}},
    {"claves_distinguen_mayusculas",
     {{"ANA", "1", "1", "mat", "1A", "", ""}},
     1,
     {{{"X_MATERIAOMG", ""}, {"X_OFERTAMATRIG", "300"}, {"X_ACTIVIDAD", "1"}}}},
    {"grupo_desconocido",
     {{"ANA", "1", "1", "ING", "9Z", "", ""}},
     1,
     {{{"X_UNIDAD", ""}, {"X_OFERTAMATRIG", ""}, {"X_MATERIAOMG", ""}}}},
    {"aula_devuelta_por_aulat",
     {{"ANA", "1", "1", "MAT", "1A", "", "0234"}},
     1,
     {{{"X_DEPENDENCIA", "10234"}}}},
    {"aula_con_depcentro_vacio",
     {{"ANA", "1", "1", "MAT", "1A", "", "LAB"}},
     1,
     {{{"X_DEPENDENCIA", ""}}}},
    {"aula_anadida_en_horavel",
     {{"ANA", "1", "1", "MAT", "1A", "", "A1"}},
     1,
     {{{"X_DEPENDENCIA", "A1"}}}},
    {"aula_en_blanco", {{"ANA", "1", "1", "MAT", "1A", "", "   "}}, 1, {{{"X_DEPENDENCIA", ""}}}},
    {"actividad_en_blanco",
     {{"ANA", "1", "1", "MAT", "1A", "  ", ""}},
     1,
     {{{"X_ACTIVIDAD", "1"}}}},
    {"actividad_de_asignomt",
     {{"ANA", "1", "1", "GUA", "", "", ""}},
     1,
     {{{"X_ACTIVIDAD", "77"}, {"X_MATERIAOMG", ""}}}},
    {"actividad_de_soluc", {{"ANA", "1", "1", "GUA", "", "T5", ""}}, 1, {{{"X_ACTIVIDAD", "T5"}}}},
};

INSTANTIATE_TEST_SUITE_P(Casos, Resolucion, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace vadelto
