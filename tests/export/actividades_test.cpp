#include "export/paso_prueba.h"
#include "export/pasos.h"
#include "text/cp1252.h"

namespace vadelto::prueba {
namespace {

using ::testing::ElementsAreArray;

class Actividades : public PruebaPaso {};

TEST_F(Actividades, SeAnadenComoTareasTrasLasMaterias) {
  ContextoExportacion& contexto =
      Contexto(DocumentoRacima()
                   .Grupo("MATERIAS", {{"5001", "302", "Matemáticas"}})
                   .Grupo("ACTIVIDADES", {{"x", "901", "Guardia"},
                                          {"x", "ACTIVIDAD-12345", "Reunión de departamento"},
                                          {"x", "901", "Guardia de recreo"},
                                          {"x", "903", "Tutoría ESO1"},
                                          {"x", "904"},
                                          {"x"}}));
  CrearTablasMaterias(contexto);
  AnadirActividades(contexto);
  EXPECT_THAT(Tabla("ASIGNOMT", {"COD", "CODLARGO", "NOMBRE", "CODTAREA", "ESTAREA"}),
              ElementsAreArray({
                  Fila{"Matemá", "Matemá", "Matemáticas", "", "F"},
                  Fila{"901", "Guardia", "Guardia", "901", "T"},
                  Fila{"ACTIVIDAD-", "Reunión de", "Reunión de departamento", "ACTIVIDAD-", "T"},
                  Fila{"901", "Guardia de", "Guardia de recreo", "901", "T"},
                  Fila{"903", "Tutoría ES", "Tutoría ESO1", "903", "T"},
              }));
  EXPECT_THAT(Tabla("ASIGNOMT2", {"COD"}), ElementsAreArray({Fila{"Matemá"}}));
}

TEST_F(Actividades, LiberanLasListasDeMaterias) {
  ContextoExportacion& contexto =
      Contexto(DocumentoRacima().Grupo("MATERIAS", {{"5001", "302", "Matemáticas"}}));
  CrearTablasMaterias(contexto);
  EXPECT_TRUE(contexto.listas.ListaCodigos.Contiene(AnsiDesdeUtf8("Matemá")));
  AnadirActividades(contexto);
  EXPECT_FALSE(contexto.listas.ListaCodigos.Contiene(AnsiDesdeUtf8("Matemá")));
  EXPECT_TRUE(contexto.listas.ListaNombres.empty());
  EXPECT_TRUE(contexto.listas.ListaCodigosLargos.empty());
  EXPECT_TRUE(contexto.listas.ListaCodigoNombre.empty());
  EXPECT_THAT(Tabla("ASIGNOMT", {"COD"}), ElementsAreArray({Fila{"Matemá"}}));
}

}  // namespace
}  // namespace vadelto::prueba
