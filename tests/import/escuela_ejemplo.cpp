#include "import/escuela_ejemplo.h"

namespace vadelto::prueba {

void CrearTablasEscuela(const std::filesystem::path& hvdat) {
  using enum TablaTrabajo;
  CrearConFilas(hvdat, PROFT,
                {{{"ABREV", "ANA"}, {"X_EMPLEADO", "1001"}, {"F_TOMAPOS", "01/09/2009"}},
                 {{"ABREV", "O'NEIL"}, {"X_EMPLEADO", "1002"}, {"F_TOMAPOS", "15/09/2009"}},
                 {{"ABREV", "MU\xD1OZ"}, {"X_EMPLEADO", "1003"}},
                 {{"ABREV", "LUIS"}, {"X_EMPLEADO", "1004"}, {"F_TOMAPOS", "01/09/2010"}}});
  CrearConFilas(hvdat, GRUPOST,
                {{{"ABREV", "1A"}, {"CLAVE", "9001"}, {"CLAVECURSO", "300"}},
                 {{"ABREV", "1B"}, {"CLAVE", "9002"}, {"CLAVECURSO", "301"}}});
  CrearConFilas(hvdat, CURSOST, {{{"ABREV", "1"}, {"CLAVE", "300"}}});
  CrearConFilas(hvdat, AULAT,
                {{{"ABREV", "0234"}, {"DEPCENTRO", "10234"}},
                 {{"ABREV", "LAB"}},
                 {{"ABREV", "0234"}, {"DEPCENTRO", "99999"}}});
  CrearConFilas(hvdat, ASIGNOMT,
                {{{"COD", "MAT"}},
                 {{"COD", "GUA"}, {"CODTAREA", "77"}},
                 {{"COD", "LEN"}},
                 {{"COD", "TUT"},
                  {"CODTAREA",
                   "TUTOR\xCD"
                   "A"}}});
  CrearConFilas(hvdat, ASIGNOMT2,
                {{{"COD", "ING"}, {"OFERTAMATRI", "300"}, {"MATERIA", "6000"}},
                 {{"COD", "ING"}, {"OFERTAMATRI", "301"}, {"MATERIA", "6001"}}});
  CrearConFilas(hvdat, DIASHORAST,
                {{{"DIHO", "11"},
                  {"CODDIHO", "101"},
                  {"DIA", "1"},
                  {"HORADESDE", "08:30"},
                  {"HORAHASTA", "09:25"}},
                 {{"DIHO", "12"},
                  {"CODDIHO", "102"},
                  {"DIA", "1"},
                  {"HORADESDE", "09:25"},
                  {"HORAHASTA", "10:20"}},
                 {{"DIHO", "21"},
                  {"CODDIHO", "101"},
                  {"DIA", "2"},
                  {"HORADESDE", "08:30"},
                  {"HORAHASTA", "09:25"}},
                 {{"DIHO", "110"},
                  {"CODDIHO", "110"},
                  {"DIA", "1"},
                  {"HORADESDE", "9:05"},
                  {"HORAHASTA", "16:55"}}});
  CrearConFilas(hvdat, ASIGT,
                {{{"CASIG", "MAT"}, {"CGRUP", "1A"}, {"CLAVE", "5001"}, {"CLAVECURSO", "300"}},
                 {{"CASIG", "MAT"}, {"CGRUP", "1A"}, {"CLAVE", "5999"}, {"CLAVECURSO", "399"}},
                 {{"CASIG", "LEN"}, {"CGRUP", "1A"}, {"CLAVE", "5002"}, {"CLAVECURSO", "300"}}});
  CrearConFilas(hvdat, PERIODOS,
                {{{"CJORNADA", "J1"}, {"FECINI", "15/09/2010"}, {"FECFIN", "22/06/2011"}}});
}

std::vector<FilaSoluc> SolucEscuela() {
  return {
      {"ANA", "1", "1", "MAT", "1A", "", "0234"},
      {"ANA", "0", "3", "LEN", "1A", "", ""},  // not placed
      {"XX", "1", "1", "MAT", "1A", "", ""},   // no such teacher
      {"ANA", "1", "2", "ING", "1B", "", "   "},
      {"O'NEIL", "2", "1", "GUA", "", "", "LAB"},
      {"MU\xD1OZ", "1", "9", "LEN", "1A", "T5", "AULA\x80"},  // slot 19 is not in DIASHORAST
      {"O'NEIL", "1", "10", "TUT", "1B", "", ""},
      {"ana", "1", "1", "MAT", "1A", "", ""},  // codes are case-sensitive
      {"ANA", "", "2", "MAT", "1A", "", ""},   // blank DIA: not placed
  };
}

}  // namespace vadelto::prueba
