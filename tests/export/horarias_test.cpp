#include "export/paso_prueba.h"
#include "export/pasos.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::prueba {
namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

const std::vector<std::string> kCampos{"DIHO",      "CODDIHO",   "DIA",     "HORA",    "TEXTOHOR",
                                       "HORADESDE", "HORAHASTA", "MINUTOS", "TEXTODIA"};

const std::vector<Fila> kPlantillas{{"J1", "Mañana", "01/09/2010", "31/05/2011"},
                                    {"J2", "Tarde", "01/09/2010", "31/05/2011"}};
const std::vector<Fila> kTramos{
    {"101", "1ª", "510", "565", "J1"},   {"102", "2ª", "565", "620", "J1"},
    {"103", "3ª", "650", "705", "J1"},   {"201", "1ª", "960", "1015", "J2"},
    {"203", "3ª", "1070", "1125", "J2"}, {"202", "2ª", "1015", "1070", "J2"}};

// Seven rows, days 1 to 7, of one slot.
std::vector<Fila> Semana(const std::string& hora, const std::string& codigo,
                         const std::string& texto, const std::string& desde,
                         const std::string& hasta, const std::string& minutos) {
  std::vector<Fila> filas;
  for (int dia = 1; dia <= 7; ++dia) {
    const std::string d = std::to_string(dia);
    filas.push_back({d + hora, codigo, d, hora, texto, desde, hasta, minutos, ""});
  }
  return filas;
}

std::vector<Fila> Juntas(std::initializer_list<std::vector<Fila>> partes) {
  std::vector<Fila> filas;
  for (const auto& parte : partes) filas.insert(filas.end(), parte.begin(), parte.end());
  return filas;
}

class Horarias : public PruebaPaso {
 protected:
  void Exportar(const std::vector<Fila>& plantillas, const std::vector<Fila>& tramos) {
    CrearTablasHorarias(Contexto(DocumentoRacima()
                                     .Grupo("JORNADAS_ESCOLARES", plantillas)
                                     .Grupo("TRAMOS_HORARIOS", tramos)));
  }
  std::vector<Fila> Periodos() {
    return Tabla("PERIODOS", {"CJORNADA", "JORNADA", "FECINI", "FECFIN"});
  }
};

TEST_F(Horarias, PlantillaElegidaEntreDos) {
  interfaz.plantilla = "J2";
  Exportar(kPlantillas, kTramos);
  EXPECT_THAT(interfaz.plantillasPedidas, ElementsAreArray({sesion.RutaXML}));
  EXPECT_EQ(sesion.CodigoPlantilla, "J2");
  EXPECT_THAT(Tabla("DIASHORAST2", kCampos),
              ElementsAreArray(Juntas({Semana("4", "201", "1ª", "16:00", "16:55", "55"),
                                       Semana("5", "203", "3ª", "17:50", "18:45", "55"),
                                       Semana("6", "202", "2ª", "16:55", "17:50", "55")})));
  EXPECT_THAT(Tabla("DIASHORAST2", {"ORDEN"}).front(), ElementsAreArray({"960"}));
  EXPECT_THAT(Tabla("DIASHORAST", kCampos),
              ElementsAreArray(Juntas({Semana("1", "201", "1ª", "16:00", "16:55", "55"),
                                       Semana("2", "202", "2ª", "16:55", "17:50", "55"),
                                       Semana("3", "203", "3ª", "17:50", "18:45", "55")})));
  EXPECT_THAT(Periodos(), ElementsAreArray({Fila{"J2", "Tarde", "01/09/2010", "31/05/2011"}}));
}

TEST_F(Horarias, UnaSolaPlantillaSinDialogo) {
  Exportar({kPlantillas[0]}, kTramos);
  EXPECT_THAT(interfaz.plantillasPedidas, IsEmpty());
  EXPECT_EQ(sesion.CodigoPlantilla, "J1");
  EXPECT_THAT(Tabla("DIASHORAST", kCampos),
              ElementsAreArray(Juntas({Semana("1", "101", "1ª", "08:30", "09:25", "55"),
                                       Semana("2", "102", "2ª", "09:25", "10:20", "55"),
                                       Semana("3", "103", "3ª", "10:50", "11:45", "55")})));
  EXPECT_THAT(Periodos(), ElementsAreArray({Fila{"J1", "Mañana", "01/09/2010", "31/05/2011"}}));
}

TEST_F(Horarias, HorasPorInicioDistinto) {
  Exportar({{" J1 ", "Mañana", "a", "b"}},
           {{"t1", "x"},                     // counted, but belongs to no template
            {"t2"},                          // skipped: does not use up a running number
            {"a", "A", "600", "590", "J1"},  // out of order; ends before it starts
            {"b", "B", "0", "75", "J1"},
            {"c", "C", "75", "1439", "J1"},  // shares its start with the next
            {"d", "D", "75", "80", " J1"},
            {"e", "E", "x", "y", "J2"}});  // another template's slot is not converted
  EXPECT_THAT(Tabla("DIASHORAST2", {"DIHO", "HORA"}).front(), ElementsAreArray({"12", "2"}));
  EXPECT_THAT(Tabla("DIASHORAST", kCampos),
              ElementsAreArray(Juntas({Semana("1", "b", "B", "00:00", "01:15", "75"),
                                       Semana("2", "c", "C", "01:15", "23:59", "1364"),
                                       Semana("2", "d", "D", "01:15", "01:20", "5"),
                                       Semana("3", "a", "A", "10:00", "09:50", "-10")})));
}

TEST_F(Horarias, PlantillasConElMismoCodigo) {
  interfaz.plantilla = "J1";
  Exportar({kPlantillas[0],
            kPlantillas[1],
            {"J1", "Mañana 2", "01/01/2011", "31/05/2011"},
            {"J1", "Incompleta", "01/01/2011"}},
           {});
  EXPECT_THAT(Periodos(), ElementsAreArray({Fila{"J1", "Mañana", "01/09/2010", "31/05/2011"},
                                            Fila{"J1", "Mañana 2", "01/01/2011", "31/05/2011"}}));
  EXPECT_THAT(Tabla("DIASHORAST", kCampos), IsEmpty());
}

TEST_F(Horarias, CodigoQueNadieLleva) {
  interfaz.plantilla = "ZZ";
  Exportar(kPlantillas, kTramos);
  EXPECT_THAT(Tabla("DIASHORAST2", kCampos), IsEmpty());
  EXPECT_THAT(Tabla("DIASHORAST", kCampos), IsEmpty());
  EXPECT_THAT(Periodos(), IsEmpty());
}

TEST_F(Horarias, InicioNoEntero) {
  try {
    Exportar({kPlantillas[0]}, {{"101", "1ª", "8:30", "565", "J1"}});
    FAIL() << "sin error";
  } catch (const Error& error) {
    EXPECT_EQ(Utf8DesdeAnsi(error.Mensaje()), "'8:30' no es un valor entero válido");
  }
}

TEST_F(Horarias, SinPlantillasSeRechaza) {
  try {
    Exportar({}, kTramos);
    FAIL() << "sin error";
  } catch (const Error& error) {
    EXPECT_THAT(Utf8DesdeAnsi(error.Mensaje()),
                ::testing::StartsWith("El documento no contiene ninguna plantilla horaria"));
  }
}

}  // namespace
}  // namespace vadelto::prueba
