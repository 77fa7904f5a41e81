#include "export/paso_prueba.h"
#include "export/pasos.h"

namespace vadelto::prueba {
namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct CasoMaterias {
  std::string nombre;
  std::vector<Fila> materias;   // offering id, subject id, name
  std::vector<Fila> asignomt;   // COD, CODLARGO, NOMBRE
  std::vector<Fila> asignomt2;  // COD, MATERIA, OFERTAMATRI
};

void PrintTo(const CasoMaterias& caso, std::ostream* os) {
  *os << caso.nombre;
}

class Materias : public PruebaPaso, public ::testing::WithParamInterface<CasoMaterias> {};

TEST_P(Materias, CodigosYOfertas) {
  const CasoMaterias& caso = GetParam();
  CrearTablasMaterias(Contexto(DocumentoRacima().Grupo("MATERIAS", caso.materias)));
  EXPECT_THAT(Tabla("ASIGNOMT", {"COD", "CODLARGO", "NOMBRE"}), ElementsAreArray(caso.asignomt));
  EXPECT_THAT(Tabla("ASIGNOMT2", {"COD", "MATERIA", "OFERTAMATRI"}),
              ElementsAreArray(caso.asignomt2));
}

std::vector<Fila> CienciasNaturales() {
  std::vector<Fila> materias{{"5001", "100", "CIENCIAS NATURALES"}};
  for (char letra = 'A'; letra <= 'J'; ++letra) {
    materias.push_back(
        {"5001", "10" + std::string(1, letra), "CIENCIAS NATURALES " + std::string(1, letra)});
  }
  return materias;
}

const CasoMaterias kCasos[] = {
    {"CapitalesDelNombre",
     {{"5001", "301", "Lengua Castellana y Literatura"}},
     {{"LCL", "Lengua Cas", "Lengua Castellana y Literatura"}},
     {{"LCL", "301", "5001"}}},
    {"UnaCapitalSinBlanco",
     {{"5001", "302", "Matemáticas"}},
     {{"Matemá", "Matemá", "Matemáticas"}},
     {{"Matemá", "302", "5001"}}},
    {"MinusculasConBlanco",
     {{"5001", "303", "educación física"}},
     {{"ef", "educación", "educación física"}},
     {{"ef", "303", "5001"}}},
    {"CapitalAcentuada",
     {{"5001", "304", "Ética"}},
     {{"Ética", "Ética", "Ética"}},
     {{"Ética", "304", "5001"}}},
    {"TreceCapitalesCortadasADiez",
     {{"5001", "305", "EDUCACIÓN FÍSICA"}},
     {{"EDUCACINFS", "EDUCACINFS", "EDUCACIÓN FÍSICA"}},
     {{"EDUCACINFS", "305", "5001"}}},
    {"MismaPrimeraFormaOtroNombre",
     {{"5001", "306", "Tecnología"}, {"5001", "307", "Tecnologías"}},
     {{"Tecnol", "Tecnol", "Tecnología"}, {"Tecnol1", "Tecnol", "Tecnologías"}},
     {{"Tecnol", "306", "5001"}, {"Tecnol1", "307", "5001"}}},
    {"NumeradosAcortadosOchoMasDos",
     {{"5001", "308", "CIENCIAS NATURALES"},
      {"5001", "309", "CIENCIAS NATURALES II"},
      {"5001", "310", "CIENCIAS NATURALES III"}},
     {{"CIENCIASNA", "CIENCIASNA", "CIENCIAS NATURALES"},
      {"CIENCIASA1", "CIENCIASNA", "CIENCIAS NATURALES II"},
      {"CIENCIASA2", "CIENCIASNA", "CIENCIAS NATURALES III"}},
     {{"CIENCIASNA", "308", "5001"}, {"CIENCIASA1", "309", "5001"}, {"CIENCIASA2", "310", "5001"}}},
    {"OtraOfertaDeUnaMateriaConocida",
     {{"5001", "302", "Matemáticas"}, {"5002", "302", "Matemáticas"}},
     {{"Matemá", "Matemá", "Matemáticas"}},
     {{"Matemá", "302", "5001"}, {"Matemá", "302", "5002"}}},
    {"OfertaRepetidaSeOmite",
     {{"5001", "302", "Matemáticas"}, {" 5001 ", "302 ", "Matemáticas"}},
     {{"Matemá", "Matemá", "Matemáticas"}},
     {{"Matemá", "302", "5001"}}},
    {"NombresQueDifierenEnMayusculas",
     {{"5001", "302", "Matemáticas"}, {"5001", "312", "MATEMÁTICAS"}},
     {{"Matemá", "Matemá", "Matemáticas"}, {"MATEMTICAS", "MATEMTICAS", "MATEMÁTICAS"}},
     {{"Matemá", "302", "5001"}, {"MATEMTICAS", "312", "5001"}}},
    {"CodigosQueSoloDifierenEnMayusculasSeDistinguen",
     {{"5001", "313", "Física"}, {"5001", "314", "física"}},
     {{"Física", "Física", "Física"}, {"física", "física", "física"}},
     {{"Física", "313", "5001"}, {"física", "314", "5001"}}},
    {"DosBlancosSeguidos",
     {{"5001", "315", "a  b"}},
     {{"a b", "a  b", "a  b"}},
     {{"a b", "315", "5001"}}},
    {"UnaSolaLetra", {{"5001", "316", "A"}}, {{"A", "A", "A"}}, {{"A", "316", "5001"}}},
    // 'abcdefghi j' is stored 'abcdefghi': the next subject's 'abcdefghi' is taken.
    {"CodigoConBlancoFinalSeGuardaSinEl",
     {{"5001", "317", "a b c d e f g h i  j"}, {"5001", "318", "a b c d e f g h i"}},
     {{"abcdefghi", "abcdefghi", "a b c d e f g h i  j"},
      {"abcdefghi1", "abcdefghi", "a b c d e f g h i"}},
     {{"abcdefghi", "317", "5001"}, {"abcdefghi1", "318", "5001"}}},
    {"SinNombreSeOmite", {{"5001"}, {"5001", "320"}, {"5001", "321", "   "}, {}}, {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Ejemplos, Materias, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return info.param.nombre; });

class MateriasSufijos : public PruebaPaso {};

TEST_F(MateriasSufijos, SufijoDeDosCifrasSobreviveEntero) {
  CrearTablasMaterias(Contexto(DocumentoRacima().Grupo("MATERIAS", CienciasNaturales())));
  const auto filas = Tabla("ASIGNOMT", {"COD"});
  ASSERT_EQ(filas.size(), 11u);
  EXPECT_EQ(filas[0], Fila{"CIENCIASNA"});
  EXPECT_EQ(filas[1], Fila{"CIENCIASA1"});
  EXPECT_EQ(filas[9], Fila{"CIENCIASA9"});
  EXPECT_EQ(filas[10], Fila{"CIENCIAS10"});
}

TEST_F(MateriasSufijos, SinMateriasLasTablasQuedanVacias) {
  CrearTablasMaterias(Contexto(DocumentoRacima()));
  EXPECT_THAT(Tabla("ASIGNOMT", {"COD"}), IsEmpty());
  EXPECT_THAT(Tabla("ASIGNOMT2", {"COD"}), IsEmpty());
}

TEST_F(MateriasSufijos, LasMateriasNoSonTareas) {
  CrearTablasMaterias(
      Contexto(DocumentoRacima().Grupo("MATERIAS", {{"5001", "302", "Matemáticas"}})));
  EXPECT_THAT(Tabla("ASIGNOMT", {"ESTAREA", "CODTAREA"}), ElementsAreArray({Fila{"F", ""}}));
  EXPECT_THAT(Tabla("ASIGNOMT2", {"ESTAREA", "CODTAREA", "CODLARGO", "NOMBRE"}),
              ElementsAreArray({Fila{"F", "", "Matemá", "Matemáticas"}}));
}

}  // namespace
}  // namespace vadelto::prueba
