#include "export/plantillas.h"

#include <gtest/gtest.h>

#include "support/temp_drive.h"
#include "text/cp1252.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

using Campos = std::vector<std::string>;
using Horas = std::vector<std::string>;

std::string Grupo(const std::string& seq, const std::vector<Campos>& registros) {
  std::string xml = "<grupo_datos seq=\"" + seq + "\">";
  for (const Campos& campos : registros) {
    xml += "<grupo_datos>";
    for (const std::string& campo : campos) xml += "<dato>" + campo + "</dato>";
    xml += "</grupo_datos>";
  }
  return xml + "</grupo_datos>";
}

// A document with these templates and slots (UTF-8 texts), written into the temp drive.
fs::path Documento(const prueba::UnidadTemporal& unidad, const std::vector<Campos>& plantillas,
                   const std::vector<Campos>& tramos) {
  const fs::path ruta = unidad.Carpeta("racima") / "plantillas.xml";
  prueba::EscribirArchivo(
      ruta, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><SERVICIO><BLOQUE_DATOS>" +
                Grupo("JORNADAS_ESCOLARES", plantillas) + Grupo("TRAMOS_HORARIOS", tramos) +
                "</BLOQUE_DATOS></SERVICIO>");
  return ruta;
}

const std::vector<Campos> kTramosDelEjemplo = {
    {"1", "1ª", "480", "540", "J1"},    {"2", "2ª", "540", "600", "J1"},
    {"3", "1ª T", "900", "960", "J2"},  {"4", "3ª", "600", "660", "J1"},
    {"5", "2ª T", "960", "1020", "J2"},
};

std::vector<std::string> Ansi(const std::vector<std::string>& textos) {
  std::vector<std::string> ansi;
  for (const std::string& texto : textos) ansi.push_back(AnsiDesdeUtf8(texto));
  return ansi;
}

VistaPlantilla Vista(const std::string& nombre, const std::string& fecha1,
                     const std::string& fecha2, std::optional<std::vector<std::string>> horas) {
  return {AnsiDesdeUtf8(nombre), fecha1, fecha2,
          horas ? std::optional(Ansi(*horas)) : std::nullopt};
}

TEST(Plantillas, EjemploDosPlantillas) {
  prueba::UnidadTemporal unidad;
  ModeloPlantillas modelo;
  modelo.Cargar(Documento(
      unidad,
      {{"J1", "Mañana", "01/09/2010", "31/05/2011"}, {"J2", "Tarde", "01/09/2010", "31/05/2011"}},
      kTramosDelEjemplo));
  EXPECT_EQ(modelo.Codigos(), (std::vector<std::string>{"J1", "J2"}));
  EXPECT_EQ(modelo.ComboBoxPlantillaChange("J1"),
            Vista("Mañana", "01/09/2010", "31/05/2011", Horas{"1ª", "2ª", "3ª"}));
  EXPECT_EQ(modelo.ComboBoxPlantillaChange("J2"),
            Vista("Tarde", "01/09/2010", "31/05/2011", Horas{"1ª T", "2ª T"}));
  // Typing goes through every text on the way; none but a whole code matches.
  for (const char* tecleado : {"", "J", "j1", "J1 ", "J9"}) {
    EXPECT_EQ(modelo.ComboBoxPlantillaChange(tecleado), Vista("-", "-", "-", Horas{})) << tecleado;
  }
  EXPECT_EQ(PlantillaElegida(" \tJ9\r\n "), "J9");
}

TEST(Plantillas, CodigosRepetidosYBlancosFinales) {
  prueba::UnidadTemporal unidad;
  ModeloPlantillas modelo;
  modelo.Cargar(Documento(unidad,
                          {{"J1", "Mañana", "01/09/2010", "31/05/2011"},
                           {"J1", "Otra", "02/09/2010", "30/06/2011"},
                           {"J3 ", " Noche ", "", ""},
                           {"J4"}},
                          kTramosDelEjemplo));
  EXPECT_EQ(modelo.Codigos(), (std::vector<std::string>{"J1", "J1", "J3 ", "J4"}));
  EXPECT_EQ(modelo.ComboBoxPlantillaChange("J1"),
            Vista("Otra", "02/09/2010", "30/06/2011", Horas{"1ª", "2ª", "3ª"}));
  EXPECT_EQ(modelo.ComboBoxPlantillaChange("J3"), Vista("-", "-", "-", Horas{}));
  EXPECT_EQ(modelo.ComboBoxPlantillaChange("J3 "), Vista(" Noche ", "", "", Horas{}));
  EXPECT_EQ(PlantillaElegida("J3 "), "J3");
  // A template without its name and dates shows them empty.
  EXPECT_EQ(modelo.ComboBoxPlantillaChange("J4"), Vista("", "", "", Horas{}));
}

TEST(Plantillas, UnSoloTramoOUnaSolaPlantilla) {
  prueba::UnidadTemporal unidad;
  ModeloPlantillas modelo;
  modelo.Cargar(Documento(unidad, {{"J1", "Mañana", "a", "b"}, {"J2", "Tarde", "c", "d"}},
                          {{"1", "1ª", "480", "540", "J1"}}));
  EXPECT_EQ(modelo.ComboBoxPlantillaChange("J1"), Vista("Mañana", "a", "b", std::nullopt));

  modelo.Cargar(Documento(unidad, {{"J1", "Mañana", "a", "b"}}, kTramosDelEjemplo));
  EXPECT_TRUE(modelo.Codigos().empty());
  EXPECT_EQ(modelo.ComboBoxPlantillaChange("J1"), Vista("-", "-", "-", Horas{"1ª", "2ª", "3ª"}));
}

TEST(Plantillas, DocumentoIlegibleNoDaNada) {
  prueba::UnidadTemporal unidad;
  const fs::path roto = unidad.Carpeta("racima") / "roto.xml";
  prueba::EscribirArchivo(roto, "<SERVICIO><BLOQUE_DATOS>");
  for (const fs::path& ruta : {roto, unidad.Carpeta("racima") / "falta.xml", fs::path()}) {
    ModeloPlantillas modelo;
    modelo.Cargar(ruta);
    EXPECT_TRUE(modelo.Codigos().empty());
    EXPECT_EQ(modelo.ComboBoxPlantillaChange(""), Vista("-", "-", "-", std::nullopt));
    EXPECT_EQ(PlantillaElegida(""), "");
  }
}

}  // namespace
}  // namespace vadelto
