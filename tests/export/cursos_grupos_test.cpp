#include "export/paso_prueba.h"
#include "export/pasos.h"
#include "support/temp_drive.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::prueba {
namespace {

using ::testing::ElementsAreArray;

const std::vector<std::string> kCamposCursos{"CLAVE", "NIVEL", "CURSO", "ESTUD", "ABREV", "TURNO"};
const std::vector<std::string> kCamposGrupos{"ABREV", "NIVEL",      "CURSO",   "GRUPO",
                                             "CLAVE", "CLAVECURSO", "DESCRIP", "TURNO"};

class CursosGrupos : public PruebaPaso {
 protected:
  void Exportar(const std::vector<Fila>& cursos, const std::vector<Fila>& unidades) {
    CrearTablasCursosGrupos(
        Contexto(DocumentoRacima().Grupo("CURSOS_DEL_CENTRO", cursos).Grupo("UNIDADES", unidades)));
  }
  void Niveles(const std::vector<Nivel>& niveles) { EscribirNivellari(programa, niveles); }
};

TEST_F(CursosGrupos, EjemploCompleto) {
  Niveles({{3001, "ESO", "Educación Secundaria Obligatoria"}, {3005, "BACH", "Bachillerato"}});
  Exportar({{"3001", "1º ESO"}, {"3005", "2º Bachillerato"}, {"3999", "1º FP Básica"}},
           {{"7001", "1º ESO A", "3001"},
            {"7002", "2º BACHILLERATO CIENCIAS B", "3005"},
            {"7003", "2º BACHILLERATO CIENCIAS B", "3005"},
            {"7004", "1º FP Básica A", "3999"},
            {"7005", "4º ESO C", "3002"}});
  EXPECT_THAT(
      Tabla("CURSOST", kCamposCursos),
      ElementsAreArray({Fila{"3001", "ESO", "1", "Educación Secundaria Obligatoria", "", ""},
                        Fila{"3005", "BACH", "2", "Bachillerato", "", ""},
                        Fila{"3999", "Niv", "1", "", "", ""}}));
  EXPECT_THAT(Tabla("GRUPOST", kCamposGrupos),
              ElementsAreArray({
                  Fila{"1ºESOA", "ESO", "1", "A", "7001", "3001",
                       "(1º ESO A) Educación Secundaria Obligatoria", ""},
                  Fila{"2ºBACHILLB", "BACH", "2", "B", "7002", "3005",
                       "(2º BACHILLERATO CIENCIAS B) Bachillerato", ""},
                  Fila{"2ºBACHILB1", "BACH", "2", "B", "7003", "3005",
                       "(2º BACHILLERATO CIENCIAS B) Bachillerato", ""},
                  Fila{"1ºFPBásicA", "Niv", "1", "A", "7004", "3999", " Niv 1 A", ""},
                  Fila{"4ºESOC", "", "", "C", "7005", "3002", "   C", ""},
              }));
}

TEST_F(CursosGrupos, ClaveDelCursoComoNumeroYComoTexto) {
  Niveles({{42, "ESO", "Secundaria"}});
  Exportar({{"0042", "3º ESO"}}, {{"7001", "3º A", "42"}, {"7002", "3º B", "0042"}});
  EXPECT_THAT(Tabla("CURSOST", {"CLAVE", "NIVEL"}), ElementsAreArray({Fila{"0042", "ESO"}}));
  EXPECT_THAT(Tabla("GRUPOST", {"ABREV", "NIVEL", "CURSO"}),
              ElementsAreArray({Fila{"3ºA", "", ""}, Fila{"3ºB", "ESO", "3"}}));
}

TEST_F(CursosGrupos, ValoresDeLaTablaDeNiveles) {
  Niveles({{1, "BACHILL", "Bachillerato"}, {2, "", "Ciclo"}});
  Exportar({{"1", " 2º"}, {"2", "1º"}, {"1", "9º"}, {"3", ""}}, {{"7001", "X", "1"}});
  EXPECT_THAT(
      Tabla("CURSOST", {"CLAVE", "NIVEL", "CURSO", "ESTUD"}),
      ElementsAreArray({Fila{"1", "BACHI", "2", "Bachillerato"}, Fila{"2", "Niv", "1", "Ciclo"},
                        Fila{"1", "BACHI", "9", "Bachillerato"}, Fila{"3", "Niv", "", ""}}));
  // A repeated course id: the group takes the first row's values.
  EXPECT_THAT(Tabla("GRUPOST", {"ABREV", "CURSO", "GRUPO", "DESCRIP"}),
              ElementsAreArray({Fila{"X", "2", "X", "(X) Bachillerato"}}));
}

TEST_F(CursosGrupos, CodigosDeGrupo) {
  Niveles({});
  Exportar({}, {{"1", "ABCDE FGHIJ", "9"},  // exactly 10 non-blank characters: unchanged
                {"2", "abc", "9"},
                {"3", "ABC", "9"},         // collides with 'abc' ignoring case
                {"4", "ABCDEFGHIJ", "9"},  // 'ABCDEFGHIJ1' shortened to 8 + 2
                {"5", "ABCDEFGHJ1", "9"},  // collides with that shortened code
                {"6", "abcdefghj1", "9"},  // and so does this, ignoring case
                {"7", "Z", "9"},
                {"8", "sin curso"},  // no course id: skipped
                {"9"}});
  EXPECT_THAT(
      Tabla("GRUPOST", {"ABREV", "GRUPO", "CLAVE"}),
      ElementsAreArray({Fila{"ABCDEFGHIJ", "J", "1"}, Fila{"abc", "c", "2"}, Fila{"ABC1", "C", "3"},
                        Fila{"ABCDEFGHJ1", "J", "4"}, Fila{"ABCDEFGH11", "1", "5"},
                        Fila{"abcdefgh12", "1", "6"}, Fila{"Z", "Z", "7"}}));
}

TEST_F(CursosGrupos, TablaDeNivelesDeOtroPrograma) {
  // Level 7 as other software writes it: the id as N(10,0), other columns, a deleted row.
  EscribirTablaNivel7(programa / "nivellari.dbf",
                      {{"ESTUDIO", 'C', 60},
                       {"CODIGO", 'C', 4},
                       {"X_OFERTAMATRIG", 'N', 10},
                       {"NIVEL_ABREV", 'C', 8}},
                      {{"*", "Borrada", "B", "3001", "MAL"},
                       {"Educación Secundaria Obligatoria", "E1", "3001", "ESO"},
                       {"Bachillerato", "B2", "-5", "BACH"}});
  Exportar({{"3001", "1º ESO"}, {"-5", "2º"}, {"7", "1º"}}, {});
  EXPECT_THAT(Tabla("CURSOST", {"CLAVE", "NIVEL", "ESTUD"}),
              ElementsAreArray({Fila{"3001", "ESO", "Educación Secundaria Obligatoria"},
                                Fila{"-5", "BACH", "Bachillerato"}, Fila{"7", "Niv", ""}}));
}

class CursoNoEntero : public CursosGrupos, public ::testing::WithParamInterface<std::string> {};

TEST_P(CursoNoEntero, DetieneLaExportacion) {
  Niveles({{3001, "ESO", "Secundaria"}});
  try {
    Exportar({{"3001", "1º"}, {GetParam(), "2º"}}, {{"7001", "1º A", "3001"}});
    FAIL() << "sin error";
  } catch (const Error& error) {
    EXPECT_EQ(Utf8DesdeAnsi(error.Mensaje()), "'" + GetParam() + "' no es un valor entero válido");
  }
}

INSTANTIATE_TEST_SUITE_P(Claves, CursoNoEntero, ::testing::Values("12a", "12345678901", ""));

}  // namespace
}  // namespace vadelto::prueba
