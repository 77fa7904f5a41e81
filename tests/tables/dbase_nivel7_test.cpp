// Level-7 tables as we create and write them, byte for byte.

#include <gtest/gtest.h>

#include "lectores.h"
#include "mensaje_de.h"
#include "support/temp_drive.h"
#include "tables/dbase/layout.h"
#include "tables/dbase/table.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::dbase {
namespace {
namespace fs = std::filesystem;
using prueba::LeerArchivo;

const std::vector<FieldDef> kCampos = {
    {"Cod", FieldKind::Text, 10},
    {"DNI", FieldKind::Integer},
    {"HORAS", FieldKind::Float},
    {"ESTAREA", FieldKind::Boolean},
};

std::string Bytes(std::initializer_list<int> valores) {
  std::string s;
  for (int v : valores) s += static_cast<char>(v);
  return s;
}

std::string Descriptor(const std::string& nombre, char tipo, int longitud) {
  std::string d(48, '\0');
  d.replace(0, nombre.size(), nombre);
  d[32] = tipo;
  d[33] = static_cast<char>(longitud);
  return d;
}

class Nivel7 : public ::testing::Test {
 protected:
  prueba::UnidadTemporal unidad;
  fs::path archivo = unidad.Hvdat() / "PRUEBA.DBF";
};

TEST_F(Nivel7, UnaTablaVaciaTieneExactamenteEncabezadoDescriptoresYFin) {
  CreateTable(archivo, "C:\\HVDAT\\PRUEBA.DBF", kCampos);
  const Date hoy = Today();
  std::string esperado(68, '\0');
  esperado[0] = 0x04;
  esperado[1] = static_cast<char>(hoy.year - 1900);
  esperado[2] = static_cast<char>(hoy.month);
  esperado[3] = static_cast<char>(hoy.day);
  esperado[8] = static_cast<char>((68 + 4 * 48 + 1) & 0xFF);
  esperado[9] = static_cast<char>((68 + 4 * 48 + 1) >> 8);
  esperado[10] = 1 + 10 + 4 + 8 + 1;
  esperado.replace(32, 8, "DBWINWE0");
  esperado += Descriptor("COD", 'C', 10) + Descriptor("DNI", 'I', 4) + Descriptor("HORAS", 'O', 8) +
              Descriptor("ESTAREA", 'L', 1);
  esperado += "\x0D\x1A";
  EXPECT_EQ(prueba::Hex(LeerArchivo(archivo)), prueba::Hex(esperado));
  EXPECT_EQ(esperado.size(), 262u);
}

// The encodings of the legacy engine: I big-endian with the sign bit inverted, O big-endian
// sortable, L T/F; blanks are zeros for I and O, a space for L, spaces for C.
TEST_F(Nivel7, LosRegistrosLlevanLasCodificacionesDelMotorOriginal) {
  CreateTable(archivo, "", kCampos);
  Table tabla(archivo, "");
  tabla.Open(Access::Shared);
  tabla.Append();
  tabla.SetText("COD", AnsiDesdeUtf8("ñandú"));
  tabla.SetInteger("DNI", -42);
  tabla.SetFloat("HORAS", 2.5);
  tabla.SetBoolean("ESTAREA", true);
  tabla.Post();
  tabla.Append();
  tabla.Post();
  tabla.Close();

  const std::string contenido = LeerArchivo(archivo);
  ASSERT_EQ(contenido.size(), 261u + 2 * 24 + 1);
  EXPECT_EQ(contenido[4], 2);
  const std::string lleno = " " + AnsiDesdeUtf8("ñandú") + "     " +
                            Bytes({0x7F, 0xFF, 0xFF, 0xD6}) +
                            Bytes({0xC0, 0x04, 0, 0, 0, 0, 0, 0}) + "T";
  const std::string vacio = " " + std::string(10, ' ') + std::string(12, '\0') + " ";
  EXPECT_EQ(prueba::Hex(contenido.substr(261)), prueba::Hex(lleno + vacio + "\x1A"));
}

struct EnteroCodificado {
  std::int32_t valor;
  std::string bytes;
};

TEST_F(Nivel7, EnterosYFlotantesSeCodificanComoDiceElFormato) {
  const std::vector<EnteroCodificado> enteros = {
      {0, Bytes({0x80, 0, 0, 0})},
      {12345678, Bytes({0x80, 0xBC, 0x61, 0x4E})},
      {-42, Bytes({0x7F, 0xFF, 0xFF, 0xD6})},
      {-1, Bytes({0x7F, 0xFF, 0xFF, 0xFF})},
      {-2147483647, Bytes({0, 0, 0, 1})},
      {2147483647, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
  };
  const std::vector<std::pair<double, std::string>> flotantes = {
      {2.5, Bytes({0xC0, 0x04, 0, 0, 0, 0, 0, 0})},
      {0.0, Bytes({0x80, 0, 0, 0, 0, 0, 0, 0})},
      {-0.0, Bytes({0x80, 0, 0, 0, 0, 0, 0, 0})},
      {-0.75, Bytes({0x40, 0x17, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
  };
  CreateTable(archivo, "", {{"N", FieldKind::Integer}, {"X", FieldKind::Float}});
  Table tabla(archivo, "");
  tabla.Open(Access::Exclusive);
  for (std::size_t i = 0; i < std::max(enteros.size(), flotantes.size()); ++i) {
    tabla.Append();
    if (i < enteros.size()) tabla.SetInteger("N", enteros[i].valor);
    if (i < flotantes.size()) tabla.SetFloat("X", flotantes[i].first);
    tabla.Post();
  }
  tabla.Close();
  const std::string contenido = LeerArchivo(archivo);
  const std::size_t inicio = 68 + 2 * 48 + 1;
  for (std::size_t i = 0; i < enteros.size(); ++i) {
    EXPECT_EQ(prueba::Hex(contenido.substr(inicio + i * 13 + 1, 4)), prueba::Hex(enteros[i].bytes))
        << enteros[i].valor;
  }
  for (std::size_t i = 0; i < flotantes.size(); ++i) {
    EXPECT_EQ(prueba::Hex(contenido.substr(inicio + i * 13 + 5, 8)),
              prueba::Hex(flotantes[i].second))
        << flotantes[i].first;
  }

  tabla.Open(Access::Shared);
  tabla.First();
  for (const EnteroCodificado& e : enteros) {
    EXPECT_EQ(tabla.GetInteger("N"), e.valor);
    EXPECT_EQ(tabla.GetText("N"), std::to_string(e.valor));
    tabla.Next();
  }
}

TEST_F(Nivel7, SeLeeLoQueSeEscribioYLoNoEscritoQuedaEnBlanco) {
  CreateTable(archivo, "", kCampos);
  Table tabla(archivo, "");
  tabla.Open(Access::Shared);
  tabla.Append();
  tabla.SetText("cod", "  dos  ");
  tabla.SetInteger("DNI", 0);
  tabla.SetFloat("HORAS", -123456.789);
  tabla.SetBoolean("ESTAREA", false);
  tabla.Post();
  tabla.Append();
  tabla.SetText("COD", "ABCDEFGHIJKL");  // 12 into 10: cut, silently
  tabla.Post();
  tabla.Close();

  tabla.Open(Access::Shared);
  EXPECT_EQ(tabla.RecordCount(), 2);
  tabla.First();
  EXPECT_EQ(tabla.GetText("COD"), "  dos");  // leading blanks kept, padding gone
  EXPECT_EQ(tabla.GetText("DNI"), "0");
  EXPECT_EQ(tabla.GetInteger("DNI"), 0);
  EXPECT_EQ(tabla.GetFloat("HORAS"), -123456.789);
  EXPECT_EQ(tabla.GetText("HORAS"), "-123456.789");
  EXPECT_EQ(tabla.GetText("ESTAREA"), "F");
  EXPECT_EQ(tabla.GetBoolean("ESTAREA"), false);
  tabla.Next();
  EXPECT_EQ(tabla.GetText("COD"), "ABCDEFGHIJ");
  EXPECT_EQ(tabla.GetText("DNI"), "");
  EXPECT_EQ(tabla.GetInteger("DNI"), 0);  // a blank integer reads 0
  EXPECT_EQ(tabla.GetFloat("HORAS"), std::nullopt);
  EXPECT_EQ(tabla.GetText("ESTAREA"), "");
  EXPECT_EQ(tabla.GetBoolean("ESTAREA"), std::nullopt);
  tabla.Next();
  EXPECT_TRUE(tabla.Eof());
}

TEST_F(Nivel7, CrearReemplazaLaTablaYLaDejaVacia) {
  prueba::EscribirArchivo(unidad.Hvdat() / "PRUEBA.mdx", "viejo");
  CreateTable(archivo, "", kCampos);
  EXPECT_FALSE(fs::exists(unidad.Hvdat() / "PRUEBA.mdx"));  // a stray index goes too
  const std::string vacia = LeerArchivo(archivo);
  {
    Table tabla(archivo, "");
    tabla.Open(Access::Shared);
    for (int i = 0; i < 3; ++i) {
      tabla.Append();
      tabla.SetText("COD", "X");
      tabla.Post();
    }
  }  // destruction writes what was posted
  {
    Table tabla(archivo, "");
    tabla.Open(Access::Shared);
    EXPECT_EQ(tabla.RecordCount(), 3);
  }
  CreateTable(archivo, "", kCampos);
  EXPECT_EQ(LeerArchivo(archivo), vacia);
  Table tabla(archivo, "");
  tabla.Open(Access::Shared);
  EXPECT_EQ(tabla.RecordCount(), 0);
  tabla.First();
  EXPECT_TRUE(tabla.Eof());
}

TEST_F(Nivel7, AnadirAUnaTablaConFilasLasDejaAlFinal) {
  CreateTable(archivo, "", kCampos);
  for (const char* valor : {"uno", "dos", "tres"}) {
    Table tabla(archivo, "");
    tabla.Open(Access::Exclusive);
    tabla.Append();
    tabla.SetText("COD", valor);
    tabla.Post();
    tabla.Close();
  }
  Table tabla(archivo, "");
  tabla.Open(Access::Shared);
  std::vector<std::string> leidos;
  for (tabla.First(); !tabla.Eof(); tabla.Next()) leidos.push_back(tabla.GetText("COD"));
  EXPECT_EQ(leidos, (std::vector<std::string>{"uno", "dos", "tres"}));
  EXPECT_EQ(LeerArchivo(archivo).size(), 261u + 3 * 24 + 1);
}

// Values a field cannot take are refused with a message that names the table and field;
// a text into a number must be a number.
TEST_F(Nivel7, ValoresQueNoCabenDanErrorClaro) {
  CreateTable(archivo, "C:\\HVDAT\\PRUEBA.DBF", kCampos);
  Table tabla(archivo, "C:\\HVDAT\\PRUEBA.DBF");
  tabla.Open(Access::Shared);
  tabla.Append();
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.SetInteger("DNI", INT32_MIN); }),
            "El valor -2147483648 no cabe en el campo DNI de la tabla C:\\HVDAT\\PRUEBA.DBF (" +
                archivo.string() + ")");
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.SetText("DNI", "doce"); }),
            "'doce' no es un valor entero válido");
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.SetText("HORAS", "1,5"); }),
            "'1,5' no es un valor en coma flotante válido");
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.SetText("NOESTA", "x"); }),
            "La tabla C:\\HVDAT\\PRUEBA.DBF (" + archivo.string() + ") no tiene el campo NOESTA");
  EXPECT_EQ(prueba::MensajeDe([&] { tabla.GetText("NOESTA"); }),
            "La tabla C:\\HVDAT\\PRUEBA.DBF (" + archivo.string() + ") no tiene el campo NOESTA");
  tabla.SetText("DNI", "-17");
  tabla.SetText("HORAS", "0.25");
  tabla.SetText("ESTAREA", "T");
  EXPECT_EQ(tabla.GetInteger("DNI"), -17);
  EXPECT_EQ(tabla.GetFloat("HORAS"), 0.25);
  EXPECT_EQ(tabla.GetBoolean("ESTAREA"), true);
}

TEST_F(Nivel7, DefinicionesNoValidasSeRechazan) {
  const std::vector<std::vector<FieldDef>> malas = {
      {},
      {{"", FieldKind::Text, 5}},
      {{"A", FieldKind::Text, 0}},
      {{"A", FieldKind::Text, 255}},
      {{"A", FieldKind::Text, 5}, {"a", FieldKind::Integer}},
      {{std::string(32, 'N'), FieldKind::Integer}},
      {{"CON ESPACIO", FieldKind::Integer}},
  };
  for (const auto& campos : malas) {
    EXPECT_THROW(CreateTable(archivo, "", campos), Error);
  }
  EXPECT_THROW(CreateTable(archivo, "", {{"A", FieldKind::Text, 5}}, {{"ORDEN", "B"}}), Error);
  EXPECT_THROW(CreateTable(archivo, "", {{"A", FieldKind::Text, 5}}, {{"ORDEN", "A"}}), Error);
  EXPECT_FALSE(fs::exists(archivo));
  CreateTable(archivo, "", {{std::string(31, 'N'), FieldKind::Integer}});  // the longest name
}

}  // namespace
}  // namespace vadelto::dbase
