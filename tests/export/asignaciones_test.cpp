#include "export/paso_prueba.h"
#include "export/pasos.h"
#include "export/tabla_nueva.h"
#include "text/cp1252.h"

namespace vadelto::prueba {
namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// ASIGNOMT and GRUPOST as steps 1, 2 and 5 would leave them.
class Asignaciones : public PruebaPaso {
 protected:
  Asignaciones() {
    Rellenar(TablaTrabajo::ASIGNOMT, {"COD", "NOMBRE"},
             {{"MAT", "Matemáticas"},
              {"LEN", "LENGUA"},
              {"ING", "Inglés"},
              {"OTRA", "Inglés"},
              {"", "Sin código"},
              {"LARGA", std::string(80, 'h')},
              {"QUI", "Química"}});
    Rellenar(TablaTrabajo::GRUPOST, {"ABREV", "NIVEL", "CURSO", "GRUPO", "CLAVECURSO"},
             {{"1A", "ESO", "1", "A", "5001"},
              {"2A", "ESO", "2", "A", "5002"},
              {"1B", "ESO", "1", "B", "5001"},
              {"3A", "ESO", "3", "A", "5003"}});
  }

  void Rellenar(TablaTrabajo tabla, const std::vector<std::string>& campos,
                const std::vector<Fila>& filas) {
    const auto objeto = RecrearYAbrir(tablas, tabla);
    for (const Fila& fila : filas) {
      objeto->Append();
      for (std::size_t i = 0; i < campos.size(); ++i)
        objeto->SetText(campos[i], AnsiDesdeUtf8(fila[i]));
      objeto->Post();
    }
    objeto->Close();
  }

  std::vector<Fila> Asignar(const std::vector<Fila>& materias) {
    CrearTablaAsignaciones(Contexto(DocumentoRacima().Grupo("MATERIAS", materias)));
    return Tabla("ASIGT", {"CASIG", "CGRUP", "CURSO", "GRUPO", "CLAVE", "CLAVECURSO"});
  }
};

TEST_F(Asignaciones, EjemploCompleto) {
  CrearTablaAsignaciones(Contexto(DocumentoRacima().Grupo(
      "MATERIAS", {{"5001", "301", "Matemáticas"}, {"5002", "302", "Lengua"}})));
  EXPECT_THAT(Tabla("ASIGT", {"CASIG", "CGRUP", "NIVEL", "CURSO", "GRUPO", "CLAVE", "CLAVECURSO",
                              "SESIONES", "CTAREA", "CPROF", "CAULA", "TURNO", "NCONEX"}),
              ElementsAreArray({
                  Fila{"MAT", "1A", "ESO", "1", "A", "301", "5001", "1111", "1", "", "", "", ""},
                  Fila{"MAT", "1B", "ESO", "1", "B", "301", "5001", "1111", "1", "", "", "", ""},
                  Fila{"LEN", "2A", "ESO", "2", "A", "302", "5002", "1111", "1", "", "", "", ""},
              }));
  dbase::Table asigt(tablas / "ASIGT.DBF", "ASIGT");
  asigt.Open(dbase::Access::Shared);
  for (asigt.First(); !asigt.Eof(); asigt.Next()) EXPECT_EQ(asigt.GetFloat("HORAS"), 4.0);
}

TEST_F(Asignaciones, RegistroRepetidoNoDuplicaFilas) {
  EXPECT_THAT(Asignar({{"5001", "301", "Matemáticas"}, {" 5001", "301 ", "Matemáticas"}}),
              ElementsAreArray({Fila{"MAT", "1A", "1", "A", "301", "5001"},
                                Fila{"MAT", "1B", "1", "B", "301", "5001"}}));
}

TEST_F(Asignaciones, BusquedaDelNombre) {
  EXPECT_THAT(Asignar({
                  {"5002", "302", "  lengua "},           // a-z case and blanks do not count
                  {"5002", "303", "matemáticas"},         // finds Matemáticas
                  {"5002", "308", "QUÍMICA"},             // Í is not í: no match
                  {"5002", "304", "Inglés"},              // the first of two rows
                  {"5002", "305", "Sin código"},          // a row without COD gives nothing
                  {"5002", "306", std::string(85, 'h')},  // only 80 characters compared
                  {"5002", "307", "Desconocida"},
              }),
              ElementsAreArray({Fila{"LEN", "2A", "2", "A", "302", "5002"},
                                Fila{"MAT", "2A", "2", "A", "303", "5002"},
                                Fila{"ING", "2A", "2", "A", "304", "5002"},
                                Fila{"LARGA", "2A", "2", "A", "306", "5002"}}));
}

TEST_F(Asignaciones, OfertasSinGruposYRegistrosIncompletos) {
  EXPECT_THAT(Asignar({{"05001", "301", "Matemáticas"},
                       {"5009", "301", "Matemáticas"},
                       {"5001", "301"},
                       {"5001"}}),
              IsEmpty());
  EXPECT_THAT(Asignar({}), IsEmpty());
}

}  // namespace
}  // namespace vadelto::prueba
