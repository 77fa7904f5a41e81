#include "export/paso_prueba.h"
#include "export/pasos.h"

namespace vadelto::prueba {
namespace {

using ::testing::ElementsAreArray;

struct CasoProfesores {
  std::string nombre;
  std::vector<Fila> empleados;  // positions 3, 4, 5 (the id and date are added)
  std::vector<Fila> proft;      // ABREV, NOMBRE
};

void PrintTo(const CasoProfesores& caso, std::ostream* os) {
  *os << caso.nombre;
}

class Profesores : public PruebaPaso, public ::testing::WithParamInterface<CasoProfesores> {};

TEST_P(Profesores, Iniciales) {
  std::vector<Fila> empleados;
  for (const Fila& partes : GetParam().empleados) {
    Fila registro{"E" + std::to_string(empleados.size()), "01/09/2010", "X"};
    registro.insert(registro.end(), partes.begin(), partes.end());
    empleados.push_back(registro);
  }
  CrearTablaProfesores(Contexto(DocumentoRacima().Grupo("EMPLEADOS", empleados)));
  EXPECT_THAT(Tabla("PROFT", {"ABREV", "NOMBRE"}), ElementsAreArray(GetParam().proft));
}

const CasoProfesores kCasos[] = {
    {"InicialesQueSoloDifierenEnMayusculasChocan",
     {{"García", "López", "Ana"}, {"Gómez", "Lara", "Alberto"}, {"gil", "lópez", "antonio"}},
     {{"GLA", "García López, Ana"},
      {"GLA1", "Gómez Lara, Alberto"},
      {"gla2", "gil lópez, antonio"}}},
    {"InicialMinuscula", {{"de la Fuente", "Ruiz", "Eva"}}, {{"dRE", "de la Fuente Ruiz, Eva"}}},
    {"CuatroConLasMismasIniciales",
     {{"Sanz", "Pérez", "Luis"},
      {"Soto", "Prieto", "Lola"},
      {"Sáez", "Pons", "Lía"},
      {"Serra", "Puig", "Leo"}},
     {{"SPL", "Sanz Pérez, Luis"},
      {"SPL1", "Soto Prieto, Lola"},
      {"SPL2", "Sáez Pons, Lía"},
      {"SPL3", "Serra Puig, Leo"}}},
    {"SegundaParteVacia", {{"García", "", "Ana"}}, {{"GA", "García , Ana"}}},
    {"SinNombre",
     {{"", "", ""}, {"", "", ""}, {"", "", ""}},
     {{"", " ,"}, {"1", " ,"}, {"2", " ,"}}},
    // 'PR ' is stored 'PR': the second teacher's 'PR' must not pass as free.
    {"InicialBlancaSeGuardaSinElBlanco",
     {{"Pérez", "Ruiz", " Ana"}, {"Pardo", "Rey", ""}, {"Prieto", "Roca", "Saúl"}},
     {{"PR", "Pérez Ruiz, Ana"}, {"PR1", "Pardo Rey,"}, {"PRS", "Prieto Roca, Saúl"}}},
};

INSTANTIATE_TEST_SUITE_P(Ejemplos, Profesores, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return info.param.nombre; });

class ProfesoresRegistros : public PruebaPaso {};

TEST_F(ProfesoresRegistros, ValoresDeRacimaYRegistrosIncompletos) {
  CrearTablaProfesores(Contexto(DocumentoRacima().Grupo(
      "EMPLEADOS", {{" 123456789012 ", " 01/09/2010 ", "X", "García", "López", "Ana"},
                    {"77"},
                    {"78", "01/09/2011", "X", "Gómez", "Lara"},
                    {"79", "01/09/2012", "X", "Gil", "Luna", "Alba"}})));
  EXPECT_THAT(Tabla("PROFT", {"ABREV", "X_EMPLEADO", "F_TOMAPOS", "DEPART", "DNI"}),
              ElementsAreArray({Fila{"GLA", "1234567890", "01/09/2010", "", ""},
                                Fila{"GLA1", "79", "01/09/2012", "", ""}}));
}

TEST_F(ProfesoresRegistros, SinEmpleadosLaTablaQuedaVacia) {
  CrearTablaProfesores(Contexto(DocumentoRacima()));
  EXPECT_TRUE(Tabla("PROFT", {"ABREV"}).empty());
}

}  // namespace
}  // namespace vadelto::prueba
