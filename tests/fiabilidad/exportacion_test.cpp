// The export under faults: the disk refuses a write at each of the seven steps, or Horavel
// holds a table open in its own process. Each ends with the user's message and C:\HVDAT, and
// everything else on the drive, file for file as it was.

#include <algorithm>

#include <gmock/gmock.h>

#include "fiabilidad/escenario.h"
#include "fiabilidad/proceso_hijo.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/mensajes.h"

namespace vadelto::prueba {
namespace {
namespace fs = std::filesystem;
using testing::HasSubstr;

// A school whose tables grow with each step, so that a limit just under a step's largest
// file lets every earlier step through and stops that one: one subject offering (ASIGNOMT2,
// step 1), two activities after it (ASIGNOMT, step 2), three teachers, six rooms, five groups
// of one course, their five assignments, and one slot a day with its index.
DocumentoRacima EscuelaCreciente() {
  return DocumentoCompleto()
      .Grupo("MATERIAS", {{"6101", "301", "Matemáticas"}})
      .Grupo("ACTIVIDADES", {{"x", "901", "Guardia"}, {"x", "902", "Biblioteca"}})
      .Grupo("EMPLEADOS", {{"E1", "01/09/2010", "X", "García", "López", "Ana"},
                           {"E2", "01/09/2011", "X", "Pérez", "Ruiz", "Luis"},
                           {"E3", "01/09/2012", "X", "Sanz", "Gil", "Eva"}})
      .Grupo("DEPENDENCIAS", {{"10231", "Aula 1.1"},
                              {"10232", "Aula 1.2"},
                              {"10233", "Aula 1.3"},
                              {"10234", "Aula 1.4"},
                              {"10235", "Aula 1.5"},
                              {"10236", "Aula 1.6"}})
      .Grupo("UNIDADES", {{"7001", "1º ESO A", "6101"},
                          {"7002", "1º ESO B", "6101"},
                          {"7003", "1º ESO C", "6101"},
                          {"7004", "1º ESO D", "6101"},
                          {"7005", "1º ESO E", "6101"}});
}

struct Paso {
  int numero;
  std::vector<std::string> archivos;  // what it writes; the first is where a limit stops it
};

const std::vector<Paso>& Pasos() {
  static const std::vector<Paso> pasos = {
      {1, {"ASIGNOMT2.DBF"}},
      {2, {"ASIGNOMT.DBF"}},
      {3, {"PROFT.DBF"}},
      {4, {"AULAT.DBF"}},
      {5, {"GRUPOST.DBF", "CURSOST.DBF"}},
      {6, {"ASIGT.DBF"}},
      {7, {"DIASHORAST2.MDX", "DIASHORAST.DBF", "DIASHORAST2.DBF", "PERIODOS.DBF"}},
  };
  return pasos;
}

class ExportacionConFallos : public Escenario {
 protected:
  ExportacionConFallos() {
    TablasExportadas();
    EscribirArchivo(unidad.Hvdat() / "JORNADAS.DBF", "de otra version");
    EscribirArchivo(unidad.Hvdat() / "Horavel.cfg", "de Horavel");
    Elegir(EscuelaCreciente());
  }
};

TEST_F(ExportacionConFallos, EscrituraRechazadaEnCadaPasoNoCambiaNada) {
  // The sizes the steps' files reach, from an export of the same document elsewhere.
  std::map<std::string, std::uintmax_t> tamanos;
  {
    UnidadTemporal otra;
    Sesion sesionOtra = sesion;
    sesionOtra.CarpetaTablas = otra.Hvdat();
    InterfazPrueba interfazOtra;
    interfazOtra.documento = interfaz.documento;
    ASSERT_EQ(ExportarCon(sesionOtra, interfazOtra), "");
    for (const auto& entrada : fs::directory_iterator(otra.Hvdat())) {
      tamanos[entrada.path().filename().string()] = entrada.file_size();
    }
  }
  const auto antes = Instantanea(unidad.Raiz());
  std::uintmax_t anterior = 0;
  for (const Paso& paso : Pasos()) {
    SCOPED_TRACE("paso " + std::to_string(paso.numero));
    std::uintmax_t mayor = 0;
    for (const std::string& archivo : paso.archivos) mayor = std::max(mayor, tamanos.at(archivo));
    ASSERT_GT(mayor, anterior) << "the document no longer grows its tables step by step";
    anterior = mayor;

    const FinHijo fin = EnHijo([&] { return Exportar(); }, CondicionesHijo::ConLimite(mayor - 1));
    EXPECT_EQ(fin.estado, 0);
    EXPECT_THAT(fin.texto, HasSubstr(Utf8DesdeAnsi(mensajes::CausaSistema(EFBIG))));
    EXPECT_TRUE(std::any_of(paso.archivos.begin(), paso.archivos.end(), [&](const auto& archivo) {
      return fin.texto.find("C:\\HVDAT\\" + archivo) != std::string::npos;
    })) << fin.texto;
    EXPECT_EQ(Instantanea(unidad.Raiz()), antes);
  }
  EsperarTablasLibres();
}

TEST_F(ExportacionConFallos, TablaAbiertaPorHoravelEnSuProcesoSeRechaza) {
  const auto antes = Instantanea(unidad.Raiz());
  {
    TablaAbiertaEnOtroProceso horavel(unidad.Hvdat() / "ASIGT.DBF");
    EXPECT_EQ(Exportar(),
              Utf8DesdeAnsi(mensajes::ArchivoAbiertoEnOtroPrograma(RotuloTabla("ASIGT.DBF"))));
  }
  EXPECT_EQ(Instantanea(unidad.Raiz()), antes);
  EsperarSinConversion();
  EsperarTablasLibres();
  EXPECT_EQ(Exportar(), "");
  EXPECT_EQ(interfaz.mensajes.back(), "Proceso finalizado");
}

}  // namespace
}  // namespace vadelto::prueba
