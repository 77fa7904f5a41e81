#include "export/paso_prueba.h"
#include "export/pasos.h"

namespace vadelto::prueba {
namespace {

using ::testing::ElementsAreArray;

struct CasoAulas {
  std::string nombre;
  std::vector<Fila> dependencias;  // id, name
  std::vector<Fila> aulat;         // ABREV, NOMBRE, DEPCENTRO
};

void PrintTo(const CasoAulas& caso, std::ostream* os) {
  *os << caso.nombre;
}

class Aulas : public PruebaPaso, public ::testing::WithParamInterface<CasoAulas> {};

TEST_P(Aulas, Codigos) {
  CrearTablaAulas(Contexto(DocumentoRacima().Grupo("DEPENDENCIAS", GetParam().dependencias)));
  EXPECT_THAT(Tabla("AULAT", {"ABREV", "NOMBRE", "DEPCENTRO"}), ElementsAreArray(GetParam().aulat));
}

const CasoAulas kCasos[] = {
    {"EjemploCompleto",
     {{"10234", "Aula 1.3"},
      {"57", "Gimnasio"},
      {"20234", "Aula 2.3"},
      {"", "Laboratorio de Física"},
      {"", "Laboratorio de Química"}},
     {{"0234", "Aula 1.3", "10234"},
      {"57", "Gimnasio", "57"},
      {"0234", "Aula 2.3", "20234"},
      {"bora", "Laboratorio de Física", ""},
      {"ora1", "Laboratorio de Química", ""}}},
    {"MismoId",
     {{"10234", "Aula 1.3"}, {"10234", "Aula 1.4"}},
     {{"0234", "Aula 1.3", "10234"}, {"2341", "Aula 1.4", "10234"}}},
    {"SinIdNiNombre", {{"", ""}, {"", ""}, {"", ""}}, {{"", "", ""}, {"1", "", ""}, {"2", "", ""}}},
    {"NombreCorto", {{"", "Sót"}}, {{"Sót", "Sót", ""}}},
    {"IdLargo", {{"12345678901", "Patio"}}, {{"8901", "Patio", "1234567890"}}},
    {"IdsQueSoloDifierenEnMayusculas",
     {{"ab12", "A"}, {"AB12", "B"}},
     {{"ab12", "A", "ab12"}, {"B121", "B", "AB12"}}},
    {"RegistroDeUnDatoSeOmite", {{"10234"}, {"57", "Gimnasio"}}, {{"57", "Gimnasio", "57"}}},
};

INSTANTIATE_TEST_SUITE_P(Ejemplos, Aulas, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return info.param.nombre; });

class AulasVacias : public PruebaPaso {};

TEST_F(AulasVacias, SinDependenciasNiEdificioNiCapacidad) {
  CrearTablaAulas(Contexto(DocumentoRacima().Grupo("DEPENDENCIAS", {{"57", "Gimnasio"}})));
  EXPECT_THAT(Tabla("AULAT", {"EDIFICIO", "MAXALUM"}), ElementsAreArray({Fila{"", ""}}));
  CrearTablaAulas(Contexto(DocumentoRacima()));
  EXPECT_TRUE(Tabla("AULAT", {"ABREV"}).empty());
}

}  // namespace
}  // namespace vadelto::prueba
