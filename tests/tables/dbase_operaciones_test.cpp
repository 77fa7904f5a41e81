// What the conversions rely on when they scan, search and filter a table.

#include <gtest/gtest.h>

#include "dbf_a_mano.h"
#include "mensaje_de.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::dbase {
namespace {
namespace fs = std::filesystem;

// ABREV C(10), NOMBRE C(20), N I; rows appended in this order.
class Operaciones : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateTable(archivo, "C:\\HVDAT\\PROFT.DBF",
                {{"ABREV", FieldKind::Text, 10},
                 {"NOMBRE", FieldKind::Text, 20},
                 {"N", FieldKind::Integer}});
    Table t(archivo, "");
    t.Open(Access::Shared);
    const std::vector<std::pair<std::string, std::string>> filas = {
        {"ANA", "Ana Pérez"}, {"ana", "Ana Pérez"},   {"O'BRIEN", "Sean"},
        {"ANA", "Ana Gil"},   {" ANA", "Con blanco"}, {"ABCDEFGHIJ", "Largo"},
    };
    int n = 1;
    for (const auto& [abrev, nombre] : filas) {
      t.Append();
      t.SetText("ABREV", abrev);
      t.SetText("NOMBRE", AnsiDesdeUtf8(nombre));
      t.SetInteger("N", n++);
      t.Post();
    }
    t.Close();
    tabla.Open(Access::Shared);
  }

  std::vector<int> Visitados() {
    std::vector<int> n;
    for (tabla.First(); !tabla.Eof(); tabla.Next()) n.push_back(tabla.GetInteger("N"));
    return n;
  }

  prueba::UnidadTemporal unidad;
  fs::path archivo = unidad.Hvdat() / "PROFT.DBF";
  Table tabla{archivo, "C:\\HVDAT\\PROFT.DBF"};
};

struct Busqueda {
  std::string campos;
  std::vector<std::string> valores;
  int fila;  // N of the row found, 0 for none
};

TEST_F(Operaciones, LocateEsExactoDistingueMayusculasYDaLaPrimera) {
  const std::vector<Busqueda> casos = {
      {"ABREV", {"ANA"}, 1},
      {"ABREV", {"ana"}, 2},
      {"ABREV", {"AN"}, 0},    // no partial match
      {"ABREV", {"ANA "}, 1},  // padding blanks never matter
      {"ABREV", {" ANA"}, 5},  // leading blanks do
      {"ABREV;NOMBRE", {"ANA", "Ana Gil"}, 4},
      {"abrev ; nombre", {"ANA", "ana gil"}, 0},  // names in any case, values exact
      {"ABREV", {"ABCDEFGHIJKL"}, 6},             // the stored text cut to the width
      {"NOMBRE;ABREV", {"Sean", "O'BRIEN"}, 3},
      {"N", {"4"}, 4},
  };
  for (const Busqueda& caso : casos) {
    tabla.First();
    const bool hallado = tabla.Locate(caso.campos, caso.valores);
    EXPECT_EQ(hallado, caso.fila != 0) << caso.campos << " = " << caso.valores[0];
    if (hallado) {
      EXPECT_EQ(tabla.GetInteger("N"), caso.fila) << caso.valores[0];
    }
  }
}

TEST_F(Operaciones, LocateSinExitoNoMueveLaPosicion) {
  tabla.First();
  tabla.Next();
  tabla.Next();
  EXPECT_FALSE(tabla.Locate("ABREV", {"NADIE"}));
  EXPECT_EQ(tabla.GetInteger("N"), 3);
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.Locate("ABREV;NOMBRE", {"ANA"}); }),
            "Búsqueda no válida en la tabla C:\\HVDAT\\PROFT.DBF (" + archivo.string() +
                "): hace falta un valor para cada campo de ABREV;NOMBRE");
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.Locate("APODO", {"x"}); }),
            "La tabla C:\\HVDAT\\PROFT.DBF (" + archivo.string() + ") no tiene el campo APODO");
}

// Every text stored, as the field keeps it, finds its own row or an earlier equal one.
TEST_F(Operaciones, BuscarConLosTextosGuardadosSiempreEncuentraLaFila) {
  std::vector<std::pair<std::string, std::string>> guardados;
  for (tabla.First(); !tabla.Eof(); tabla.Next()) {
    guardados.emplace_back(tabla.GetText("ABREV"), tabla.GetText("NOMBRE"));
  }
  for (const auto& [abrev, nombre] : guardados) {
    tabla.First();
    ASSERT_TRUE(tabla.Locate("ABREV;NOMBRE", {abrev, nombre})) << abrev;
    EXPECT_EQ(tabla.GetText("ABREV"), abrev);
    EXPECT_EQ(tabla.GetText("NOMBRE"), nombre);
  }
}

TEST_F(Operaciones, ElFiltroDejaPasarSoloLasFilasIguales) {
  tabla.SetFilter(EqualsFilter("ABREV", "ANA"));
  EXPECT_EQ(Visitados(), (std::vector<int>{1, 4}));
  EXPECT_EQ(tabla.RecordCount(), 6);  // whatever the filter
  tabla.SetFilter(EqualsFilter("ABREV", "O'BRIEN"));
  EXPECT_EQ(EqualsFilter("ABREV", "O'BRIEN"), "ABREV= 'O''BRIEN'");
  EXPECT_FALSE(tabla.Eof());  // stands on its first match
  EXPECT_EQ(tabla.GetInteger("N"), 3);
  EXPECT_EQ(Visitados(), (std::vector<int>{3}));
  tabla.SetFilter("ABREV='ana'");
  EXPECT_EQ(Visitados(), (std::vector<int>{2}));
  tabla.SetFilter("ABREV= 'NADIE'");
  EXPECT_EQ(Visitados(), std::vector<int>{});
  EXPECT_FALSE(tabla.Locate("ABREV", {"ANA"}));  // searches see the filtered rows only
  tabla.SetFilter("");
  EXPECT_EQ(Visitados(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(Operaciones, UnFiltroDeOtraFormaEsUnErrorYNuncaSeEvalua) {
  const std::vector<std::string> malos = {
      "ABREV",
      "ABREV= ANA",
      "ABREV<>'ANA'",
      "ABREV= 'ANA' OR ABREV= 'ana'",
      "ABREV= 'ANA' .OR. .T.",
      "ABREV= 'sin cerrar",
      "ABREV= 'O'BRIEN'",
      "ABREV= \"ANA\"",
      "UPPER(ABREV)= 'ANA'",
      "= 'ANA'",
      "'ANA'= ABREV",
  };
  for (const std::string& filtro : malos) {
    EXPECT_EQ(prueba::MensajeDe([&] { tabla.SetFilter(filtro); }),
              "Filtro no válido para la tabla C:\\HVDAT\\PROFT.DBF (" + archivo.string() +
                  "): " + filtro);
  }
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.SetFilter("APODO= 'x'"); }),
            "La tabla C:\\HVDAT\\PROFT.DBF (" + archivo.string() + ") no tiene el campo APODO");
  EXPECT_EQ(Visitados().size(), 6u);  // a refused filter leaves the table unfiltered
}

TEST_F(Operaciones, LasFilasBorradasNoSeVisitanNiSeCuentan) {
  tabla.Close();
  // Mark rows 2 and 4 deleted, as another program would.
  std::string contenido = prueba::LeerArchivo(archivo);
  const std::size_t encabezado = 68 + 3 * 48 + 1, registro = 1 + 10 + 20 + 4;
  contenido[encabezado + 1 * registro] = '*';
  contenido[encabezado + 3 * registro] = '*';
  prueba::EscribirArchivo(archivo, contenido);
  tabla.Open(Access::Shared);
  EXPECT_EQ(Visitados(), (std::vector<int>{1, 3, 5, 6}));
  EXPECT_EQ(tabla.RecordCount(), 4);
  tabla.First();
  EXPECT_TRUE(tabla.Locate("ABREV", {"ANA"}));
  EXPECT_EQ(tabla.GetInteger("N"), 1);
  EXPECT_FALSE(tabla.Locate("ABREV;NOMBRE", {"ANA", "Ana Gil"}));
  tabla.SetFilter("ABREV= 'ana'");
  EXPECT_TRUE(tabla.Eof());
}

TEST_F(Operaciones, LaTablaCerradaLoDice) {
  tabla.Close();
  EXPECT_TRUE(tabla.Eof());
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.First(); }),
            "La tabla C:\\HVDAT\\PROFT.DBF (" + archivo.string() + ") no está abierta");
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.Append(); }),
            "La tabla C:\\HVDAT\\PROFT.DBF (" + archivo.string() + ") no está abierta");
  tabla.Open(Access::Shared);
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.SetText("ABREV", "x"); }),
            "La tabla C:\\HVDAT\\PROFT.DBF (" + archivo.string() +
                ") no tiene un registro nuevo en curso");
}

// A row being appended is what the fields read; navigating posts it, closing drops it.
TEST_F(Operaciones, UnaFilaSinConfirmarSePierdeAlCerrar) {
  tabla.Append();
  tabla.SetText("ABREV", "NUEVA");
  EXPECT_EQ(tabla.GetText("ABREV"), "NUEVA");
  tabla.Close();
  tabla.Open(Access::Shared);
  EXPECT_EQ(tabla.RecordCount(), 6);
  tabla.Append();
  tabla.SetInteger("N", 7);
  tabla.Append();  // posts the previous one
  tabla.SetInteger("N", 8);
  tabla.Post();
  EXPECT_EQ(tabla.GetInteger("N"), 8);
  EXPECT_EQ(Visitados(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

}  // namespace
}  // namespace vadelto::dbase
