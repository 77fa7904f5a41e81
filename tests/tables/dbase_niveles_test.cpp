// Tables other programs write, at every level a host may use, read as they were meant.

#include <gtest/gtest.h>

#include <cstring>

#include "dbf_a_mano.h"
#include "lectores.h"
#include "mensaje_de.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::dbase {
namespace {
namespace fs = std::filesystem;
using prueba::CampoAMano;
using prueba::FilaAMano;

#define REQUIERE_DBFREAD() \
  if (!prueba::HayDbfread()) GTEST_SKIP() << "falta python3-dbfread"

// SOLUC as a timetabling program writes it: dBase III, DIA N(1,0) and HORA N(2,0).
const std::vector<CampoAMano> kCamposSoluc = {
    {"PROF", 'C', 10},     {"DIA", 'N', 1},    {"HORA", 'N', 2},  {"ASIG", 'C', 10},
    {"CODGRUPO", 'C', 10}, {"TAREA", 'C', 10}, {"AULA", 'C', 10},
};

std::string Soluc(std::uint8_t version = 0x03) {
  return prueba::TablaAMano(version, kCamposSoluc,
                            {
                                {{"ANA", "3", "12", "MAT", "1A", "", "A1"}},
                                {{"ANA", "0", "5", AnsiDesdeUtf8("ÉTICA"), "2B", "GUARDIA", ""}},
                                {{"ANA", "2", "2", "BORRADA", "", "", ""}, true},
                                {{"O'BRIEN", "1", "1", "ING", "1A", "", "A2"}},
                                {{"LUIS", "", "", "", "", "", ""}},
                            });
}

class Niveles : public ::testing::Test {
 protected:
  fs::path Escribir(const std::string& nombre, const std::string& contenido) {
    const fs::path archivo = unidad.Hvdat() / nombre;
    prueba::EscribirArchivo(archivo, contenido);
    return archivo;
  }
  prueba::UnidadTemporal unidad;
};

TEST_F(Niveles, SolucDeDbaseIIISeLeeComoEnteroYComoTexto) {
  Table soluc(Escribir("SOLUC.DBF", Soluc()), "C:\\HVDAT\\SOLUC.DBF");
  soluc.Open(Access::Exclusive);
  EXPECT_EQ(soluc.RecordCount(), 4);
  soluc.SetFilter(EqualsFilter("PROF", "ANA"));
  EXPECT_EQ(soluc.GetInteger("DIA"), 3);
  EXPECT_EQ(soluc.GetText("DIA"), "3");
  EXPECT_EQ(soluc.GetInteger("HORA"), 12);
  EXPECT_EQ(soluc.GetText("HORA"), "12");
  soluc.Next();
  EXPECT_EQ(soluc.GetInteger("DIA"), 0);
  EXPECT_EQ(soluc.GetText("HORA"), "5");
  EXPECT_EQ(soluc.GetText("ASIG"), AnsiDesdeUtf8("ÉTICA"));
  EXPECT_EQ(soluc.GetText("AULA"), "");
  soluc.Next();
  EXPECT_TRUE(soluc.Eof());  // the deleted row is not ANA's
  soluc.SetFilter(EqualsFilter("PROF", "O'BRIEN"));
  EXPECT_EQ(soluc.GetText("ASIG"), "ING");
  soluc.SetFilter(EqualsFilter("PROF", "LUIS"));
  EXPECT_EQ(soluc.GetInteger("DIA"), 0);  // blank reads 0
  EXPECT_EQ(soluc.GetText("DIA"), "");
}

TEST_F(Niveles, DbfreadLeeSolucComoNosotros) {
  REQUIERE_DBFREAD();
  const fs::path archivo = Escribir("SOLUC.DBF", Soluc());
  const prueba::TablaLeida nuestra = prueba::LeerConNuestroMotor(archivo);
  EXPECT_EQ(nuestra.filas.size(), 4u);
  prueba::ExpectMismaLectura(prueba::LeerConDbfread(archivo), nuestra);
}

TEST_F(Niveles, UnNumeroMalEscritoNoSeToma0EnSilencio) {
  Table t(Escribir("SOLUC.DBF", prueba::TablaAMano(0x03, {{"DIA", 'N', 5}, {"HORA", 'N', 5, 2}},
                                                   {{{"*****", "1,50"}}, {{"+7", " .50"}}})),
          "");
  t.Open(Access::Shared);
  EXPECT_EQ(t.GetText("DIA"), "*****");
  EXPECT_THROW(t.GetInteger("DIA"), Error);
  EXPECT_THROW(t.GetFloat("HORA"), Error);
  t.Next();
  EXPECT_EQ(t.GetInteger("DIA"), 7);
  EXPECT_EQ(t.GetFloat("HORA"), 0.5);
  EXPECT_EQ(t.GetText("HORA"), "0.5");
}

// NIVELLARI from other software: X_OFERTAMATRIG numeric in any of its encodings.
TEST_F(Niveles, ElNivelSeEncuentraPorEnteroSeaNIFuOO) {
  const auto entero7 = [](std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v) ^ 0x80000000u;
    return std::string{static_cast<char>(u >> 24), static_cast<char>(u >> 16),
                       static_cast<char>(u >> 8), static_cast<char>(u)};
  };
  const auto doble7 = [](double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    bits = v < 0 ? ~bits : bits | 0x8000000000000000ull;
    std::string s;
    for (int i = 7; i >= 0; --i) s += static_cast<char>(bits >> (8 * i));
    return s;
  };
  struct Variante {
    CampoAMano campo;
    std::vector<std::string> valores;  // 4321, -7, blank, 0, 4321 again
  };
  const std::string ceros4(4, '\0'), ceros8(8, '\0');
  const std::vector<Variante> variantes = {
      {{"X_OFERTAMATRIG", 'N', 10}, {"4321", "-7", "", "0", "4321"}},
      {{"X_OFERTAMATRIG", 'F', 12, 2}, {"4321.00", "-7.00", "", "0.00", "4321.00"}},
      {{"X_OFERTAMATRIG", 'I', 4}, {entero7(4321), entero7(-7), ceros4, entero7(0), entero7(4321)}},
      {{"X_OFERTAMATRIG", 'O', 8}, {doble7(4321), doble7(-7), ceros8, doble7(0), doble7(4321)}},
  };
  for (const Variante& v : variantes) {
    SCOPED_TRACE(std::string(1, v.campo.tipo));
    std::vector<FilaAMano> filas;
    for (std::size_t i = 0; i < v.valores.size(); ++i) {
      filas.push_back({{v.valores[i], "N" + std::to_string(i), AnsiDesdeUtf8("Educación")}});
    }
    Table nivel(
        Escribir("NIVELLARI.dbf",
                 prueba::TablaAMano(0x04, {v.campo, {"NIVEL_ABREV", 'C', 5}, {"ESTUDIO", 'C', 80}},
                                    filas)),
        "");
    nivel.Open(Access::Shared);
    EXPECT_TRUE(nivel.LocateInteger("X_OFERTAMATRIG", 4321));
    EXPECT_EQ(nivel.GetText("NIVEL_ABREV"), "N0");  // the first of two
    EXPECT_TRUE(nivel.LocateInteger("X_OFERTAMATRIG", -7));
    EXPECT_EQ(nivel.GetText("NIVEL_ABREV"), "N1");
    EXPECT_TRUE(nivel.LocateInteger("X_OFERTAMATRIG", 0));
    EXPECT_EQ(nivel.GetText("NIVEL_ABREV"), "N3");  // a blank is not 0
    EXPECT_FALSE(nivel.LocateInteger("X_OFERTAMATRIG", 432));
    EXPECT_EQ(nivel.GetText("NIVEL_ABREV"), "N3");
    EXPECT_EQ(nivel.GetText("ESTUDIO"), AnsiDesdeUtf8("Educación"));
  }
}

TEST_F(Niveles, VisualFoxProYFoxProLosLeeDbfreadComoNosotros) {
  REQUIERE_DBFREAD();
  const auto doble = [](double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    return prueba::Le64(bits);
  };
  const std::string vfp = prueba::TablaAMano(
      0x30, {{"NOMBRE", 'C', 10}, {"N", 'I', 4}, {"X", 'B', 8}, {"IMPORTE", 'Y', 8}},
      {
          {{AnsiDesdeUtf8("Peña"), prueba::Le32(static_cast<std::uint32_t>(-42)), doble(2.5),
            prueba::Le64(125000)}},
          {{"", prueba::Le32(7), doble(-0.75), prueba::Le64(static_cast<std::uint64_t>(-5))}},
      });
  const std::string fox = prueba::TablaAMano(
      0xF5, {{"NOMBRE", 'C', 10}, {"PRECIO", 'N', 7, 2}, {"ACTIVO", 'L', 1}, {"FECHA", 'D', 8}},
      {
          {{"Uno", "-12.50", "T", "20240915"}},
          {{"Dos", "", "?", ""}},
          {{"Tres", "3.25", "n", "19991231"}, true},
      });
  for (const auto& [nombre, contenido] :
       std::vector<std::pair<std::string, std::string>>{{"VFP.DBF", vfp}, {"FOX.DBF", fox}}) {
    SCOPED_TRACE(nombre);
    const fs::path archivo = Escribir(nombre, contenido);
    const prueba::TablaLeida nuestra = prueba::LeerConNuestroMotor(archivo);
    EXPECT_EQ(nuestra.filas.size(), 2u);
    prueba::ExpectMismaLectura(prueba::LeerConDbfread(archivo), nuestra);
  }
  Table t(unidad.Hvdat() / "VFP.DBF", "");
  t.Open(Access::Shared);
  EXPECT_EQ(t.GetInteger("N"), -42);
  EXPECT_EQ(t.GetFloat("X"), 2.5);
  EXPECT_EQ(t.GetText("IMPORTE"), "12.5");
}

// Fields this engine does not decode do not stop the others from being read.
TEST_F(Niveles, UnTipoQueNoSeLeeSoloFallaAlLeerEseCampo) {
  Table t(Escribir("OTRA.DBF",
                   prueba::TablaAMano(0x31, {{"CUANDO", 'T', 8}, {"NOTA", 'M', 4}, {"COD", 'C', 3}},
                                      {{{std::string(8, '\1'), prueba::Le32(9), "abc"}}})),
          "C:\\HVDAT\\OTRA.DBF");
  t.Open(Access::Shared);
  EXPECT_EQ(t.GetText("COD"), "abc");
  EXPECT_EQ(t.GetText("NOTA"), "9");  // a memo reads as its block number
  EXPECT_EQ(prueba::MensajeDe([&] { t.GetText("CUANDO"); }),
            "El campo CUANDO de la tabla C:\\HVDAT\\OTRA.DBF (" + t.File().string() +
                ") es de un tipo que no se puede leer (T)");
  Table iii(Escribir("MEMO.DBF", prueba::TablaAMano(0x83, {{"NOTA", 'M', 10}, {"COD", 'C', 3}},
                                                    {{{"        12", "xyz"}}})),
            "");
  iii.Open(Access::Shared);
  EXPECT_EQ(iii.GetText("NOTA"), "12");
  EXPECT_EQ(iii.GetText("COD"), "xyz");
}

}  // namespace
}  // namespace vadelto::dbase
