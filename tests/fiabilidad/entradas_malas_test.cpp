// Bad input, one case each, through the real export driver over an earlier set of tables:
// the message the user gets, and then either C:\HVDAT untouched or the new set built with the
// bad values tamed. Nothing else on the drive changes, no other file is read.

#include <functional>

#include <gmock/gmock.h>

#include "fiabilidad/escenario.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/mensajes.h"

namespace vadelto::prueba {
namespace {
namespace fs = std::filesystem;
using testing::ElementsAre;

constexpr char kSecreto[] = "SECRETO-DE-OTRO-ARCHIVO";

std::string Repetido(const std::string& trozo, std::size_t veces) {
  std::string texto;
  texto.reserve(trozo.size() * veces);
  for (std::size_t i = 0; i < veces; ++i) texto += trozo;
  return texto;
}

// The sample document with its declaration replaced, or with `antes` put before its root.
std::string ConDeclaracion(const std::string& declaracion, const std::string& antes = "") {
  const std::string xml = DocumentoCompleto().Xml();
  return declaracion + "\n" + antes + xml.substr(xml.find("<SERVICIO"));
}

std::string Utf16ConBom(const std::string& utf8) {
  std::string utf16 = "\xFF\xFE";
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const int largo = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    unsigned punto = largo == 1 ? c : c & (0x3F >> (largo - 1));
    for (int k = 1; k < largo; ++k) punto = (punto << 6) | (utf8[i + k] & 0x3F);
    utf16 += static_cast<char>(punto & 0xFF);
    utf16 += static_cast<char>(punto >> 8);
    i += static_cast<std::size_t>(largo);
  }
  return utf16;
}

std::string ConEmpleado(const std::vector<std::string>& empleado) {
  return DocumentoCompleto().Grupo("EMPLEADOS", {empleado}).Xml();
}

struct Entrada {
  const char* nombre;
  // The document's bytes; `carpeta` is a folder of the test's own for files it may name.
  std::function<std::string(const fs::path& carpeta)> documento;
  // The error's message (UTF-8), or "" when the export finishes.
  std::string mensaje;
  // For an export that finishes: what the new tables hold.
  std::function<void(const fs::path& hvdat)> comprobar = nullptr;
};

std::vector<Fila> Tabla(const fs::path& hvdat, const std::string& nombre,
                        const std::vector<std::string>& campos) {
  return Filas(hvdat / (nombre + ".DBF"), campos);
}

std::string NoValido() {
  return Utf8DesdeAnsi(mensajes::DocumentoNoValido("racima.xml"));
}

std::string NoEntero(const std::string& texto) {
  return Utf8DesdeAnsi(mensajes::NoEsEntero(texto));
}

const Entrada kEntradas[] = {
    {"NoEsXml", [](auto&) { return std::string("Esto no es un documento XML"); }, NoValido()},
    {"Vacio", [](auto&) { return std::string(); }, NoValido()},
    {"Utf16ConBom",
     [](auto&) {
       return Utf16ConBom(ConDeclaracion("<?xml version=\"1.0\" encoding=\"UTF-16\"?>"));
     },
     "",
     [](const fs::path& hvdat) {
       EXPECT_THAT(Tabla(hvdat, "PROFT", {"NOMBRE"}), ElementsAre(Fila{"García López, Ana"}));
     }},
    {"CodificacionDesconocida",
     [](auto&) { return ConDeclaracion("<?xml version=\"1.0\" encoding=\"KLINGON-9\"?>"); },
     NoValido()},
    {"TextoEnorme",
     [](auto&) {
       return ConEmpleado({"E1", "01/09/2010", "X", Repetido("Ñ", 6'000'000), "", ""});
     },
     "",
     [](const fs::path& hvdat) {
       const auto filas = Tabla(hvdat, "PROFT", {"NOMBRE"});
       ASSERT_EQ(filas.size(), 1u);
       EXPECT_EQ(AnsiDesdeUtf8(filas[0][0]).size(), 80u);
     }},
    // Nesting deeper than any stack would take if it were walked by recursion, inside the
    // teacher's name, whose text the export reads.
    {"AnidamientoProfundo",
     [](auto&) {
       std::string xml = ConEmpleado({"E1", "01/09/2010", "X", "García", "López", "@"});
       return xml.replace(xml.find("@"), 1,
                          Repetido("<b>", 200'000) + "Ana" + Repetido("</b>", 200'000));
     },
     "",
     [](const fs::path& hvdat) {
       EXPECT_THAT(Tabla(hvdat, "PROFT", {"NOMBRE"}), ElementsAre(Fila{"García López, Ana"}));
     }},
    {"MilMillonesDeRisas",
     [](auto&) {
       std::string entidades = "<!DOCTYPE SERVICIO [\n<!ENTITY r0 \"ja\">\n";
       for (int i = 1; i <= 9; ++i) {
         entidades += "<!ENTITY r" + std::to_string(i) + " \"" +
                      Repetido("&r" + std::to_string(i - 1) + ";", 10) + "\">\n";
       }
       return ConDeclaracion("<?xml version=\"1.0\"?>", entidades + "]>\n");
     },
     NoValido()},
    {"EntidadExternaConUnArchivoLocal",
     [](const fs::path& carpeta) {
       EscribirArchivo(carpeta / "secreto.txt", kSecreto);
       std::string xml = ConDeclaracion("<?xml version=\"1.0\"?>",
                                        "<!DOCTYPE SERVICIO [<!ENTITY x SYSTEM \"file://" +
                                            (carpeta / "secreto.txt").string() + "\">]>\n");
       return xml.replace(xml.find("Ana"), 3, "&x;");
     },
     NoValido()},
    // A DTD of its own is never loaded: its entity stays unknown, its text goes nowhere.
    {"DtdExterna",
     [](const fs::path& carpeta) {
       EscribirArchivo(carpeta / "secreto.dtd", std::string("<!ENTITY x \"") + kSecreto + "\">");
       std::string xml = ConDeclaracion(
           "<?xml version=\"1.0\"?>",
           "<!DOCTYPE SERVICIO SYSTEM \"file://" + (carpeta / "secreto.dtd").string() + "\">\n");
       return xml.replace(xml.find("Ana"), 3, "&x;");
     },
     "",
     [](const fs::path& hvdat) {
       EXPECT_THAT(Tabla(hvdat, "PROFT", {"NOMBRE"}), ElementsAre(Fila{"García López,"}));
     }},
    {"SinGruposDeDatos",
     [](auto&) { return std::string("<SERVICIO><BLOQUE_DATOS></BLOQUE_DATOS></SERVICIO>"); },
     Utf8DesdeAnsi(mensajes::SinPlantillasHorarias())},
    // Records lacking the positions a step needs are passed over, the template's too: the
    // export finishes with every table empty.
    {"RegistrosDeUnDato",
     [](auto&) {
       return DocumentoRacima()
           .Grupo("MATERIAS", {{"6101"}})
           .Grupo("ACTIVIDADES", {{"x"}})
           .Grupo("EMPLEADOS", {{"E1"}})
           .Grupo("DEPENDENCIAS", {{"10234"}})
           .Grupo("CURSOS_DEL_CENTRO", {{"6101"}})
           .Grupo("UNIDADES", {{"7001"}})
           .Grupo("JORNADAS_ESCOLARES", {{"J1"}})
           .Grupo("TRAMOS_HORARIOS", {{"101"}})
           .Xml();
     },
     "",
     [](const fs::path& hvdat) {
       for (TablaTrabajo tabla : TodasLasTablas()) {
         EXPECT_TRUE(Tabla(hvdat, Definicion(tabla).nombre, {}).empty())
             << Definicion(tabla).nombre;
       }
     }},
    {"IdDeCursoConLetras",
     [](auto&) {
       return DocumentoCompleto().Grupo("CURSOS_DEL_CENTRO", {{"61O1", "1º ESO"}}).Xml();
     },
     NoEntero("61O1")},
    {"IdDeCursoDeMasDe32Bits",
     [](auto&) {
       return DocumentoCompleto().Grupo("CURSOS_DEL_CENTRO", {{"4294967297", "1º ESO"}}).Xml();
     },
     NoEntero("4294967297")},
    {"MinutoConLetras",
     [](auto&) {
       return DocumentoCompleto()
           .Grupo("TRAMOS_HORARIOS", {{"101", "1ª", "8h30", "565", "J1"}})
           .Xml();
     },
     NoEntero("8h30")},
    {"MinutoDeMasDe32Bits",
     [](auto&) {
       return DocumentoCompleto()
           .Grupo("TRAMOS_HORARIOS", {{"101", "1ª", "510", "2147483648", "J1"}})
           .Xml();
     },
     NoEntero("2147483648")},
    {"NombresDeMilCaracteres",
     [](auto&) {
       const std::string largo = Repetido("á", 1000);
       return DocumentoCompleto()
           .Grupo("MATERIAS", {{"6101", "301", largo}})
           .Grupo("EMPLEADOS", {{"E1", "01/09/2010", "X", largo, largo, largo}})
           .Grupo("DEPENDENCIAS", {{"10234", largo}})
           .Xml();
     },
     "",
     [](const fs::path& hvdat) {
       EXPECT_THAT(Tabla(hvdat, "PROFT", {"NOMBRE"}), ElementsAre(Fila{Repetido("á", 80)}));
       EXPECT_THAT(Tabla(hvdat, "AULAT", {"NOMBRE"}), ElementsAre(Fila{Repetido("á", 80)}));
       EXPECT_THAT(Tabla(hvdat, "ASIGNOMT2", {"NOMBRE"}), ElementsAre(Fila{Repetido("á", 80)}));
     }},
    {"CaracteresFueraDeWindows1252",
     [](auto&) {
       return ConEmpleado({"E1", "01/09/2010", "X", "Łukasiewicz", "日本", "Zoë €"});
     },
     "",
     [](const fs::path& hvdat) {
       EXPECT_THAT(Tabla(hvdat, "PROFT", {"NOMBRE"}), ElementsAre(Fila{"?ukasiewicz ??, Zoë €"}));
     }},
};

class EntradaMala : public Escenario, public testing::WithParamInterface<Entrada> {};

TEST_P(EntradaMala, MensajeYNadaPerdido) {
  TablasExportadas();
  const fs::path propia = unidad.Carpeta("propia");
  ElegirBytes(GetParam().documento(propia));
  const Archivos antes = Instantanea(unidad.Raiz());

  EXPECT_EQ(Exportar(), GetParam().mensaje);
  Archivos despues = Instantanea(unidad.Raiz());
  if (GetParam().mensaje.empty()) {
    EXPECT_THAT(interfaz.mensajes, ElementsAre("Proceso finalizado"));
    GetParam().comprobar(unidad.Hvdat());
    // Only C:\HVDAT has changed.
    std::erase_if(despues, [](const auto& a) { return a.first.starts_with("drive_c/HVDAT/"); });
    Archivos fuera = antes;
    std::erase_if(fuera, [](const auto& a) { return a.first.starts_with("drive_c/HVDAT/"); });
    EXPECT_EQ(despues, fuera);
  } else {
    EXPECT_EQ(despues, antes);
    EsperarSinConversion();
  }
  for (const auto& [nombre, bytes] : Instantanea(unidad.Hvdat())) {
    EXPECT_EQ(bytes.find(kSecreto), std::string::npos) << nombre;
  }
  EsperarTablasLibres();
}

INSTANTIATE_TEST_SUITE_P(Casos, EntradaMala, testing::ValuesIn(kEntradas),
                         [](const auto& info) { return std::string(info.param.nombre); });

class EntradasMalas : public Escenario {};

// A teacher code with quotes is exported as it comes, and the import's filter on it still
// finds that teacher's lessons.
TEST_F(EntradasMalas, CodigoDeProfesorConComillasDeIdaYVuelta) {
  Elegir(
      DocumentoCompleto().Grupo("EMPLEADOS", {{"E1", "01/09/2010", "X", "O'Neill", "'", "Ann"}}));
  ASSERT_EQ(Exportar(), "");
  const auto codigos = Tabla(unidad.Hvdat(), "PROFT", {"ABREV"});
  ASSERT_EQ(codigos.size(), 1u);
  EXPECT_NE(codigos[0][0].find('\''), std::string::npos) << codigos[0][0];
  EscribirArchivo(Soluc(), SolucDbase3());
  ASSERT_EQ(Importar(), "");
  const std::string resultado =
      LeerArchivo(unidad.Raiz() / "racima" / "ResultadoHoravelracima.xml");
  EXPECT_NE(resultado.find("N_DIASEMANA"), std::string::npos) << resultado;
}

// The level table comes with the program, but may be replaced by a damaged one.
TEST_F(EntradasMalas, NivellariConEncabezadoQueMiente) {
  TablasExportadas();
  Elegir(DocumentoCompleto());
  std::string nivellari = LeerArchivo(programa / "NIVELLARI.DBF");
  nivellari.replace(4, 4, "\x00\x10\x00\x00", 4);  // 4096 records
  EscribirArchivo(programa / "NIVELLARI.DBF", nivellari);
  const Archivos antes = Instantanea(unidad.Raiz());
  EXPECT_THAT(Exportar(), testing::HasSubstr(Utf8DesdeAnsi(mensajes::TablaDanada(
                              AnsiDesdeUtf8((programa / "NIVELLARI.DBF").string()),
                              mensajes::DetalleRegistrosIncompletos(4096, 1)))));
  EXPECT_EQ(Instantanea(unidad.Raiz()), antes);
  EsperarSinConversion();
}

}  // namespace
}  // namespace vadelto::prueba
