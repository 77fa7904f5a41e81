// dBase III tables we create, as a timetabling program writes SOLUC: version 0x03, numeric
// fields as right-aligned digits. Read back by our engine, by dbfread and byte by byte.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dbf_a_mano.h"
#include "lectores.h"
#include "mensaje_de.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "text/cp1252.h"
#include "text/mensajes.h"

namespace vadelto::dbase {
namespace {
namespace fs = std::filesystem;

const std::vector<FieldDef> kSoluc = {
    {"PROF", FieldKind::Text, 10},     {"DIA", FieldKind::Integer, 1},
    {"HORA", FieldKind::Integer, 2},   {"ASIG", FieldKind::Text, 10},
    {"CODGRUPO", FieldKind::Text, 10}, {"TAREA", FieldKind::Text, 10},
    {"AULA", FieldKind::Text, 10},
};

struct Fila {
  std::string prof;
  int dia, hora;
  std::string asig, grupo, tarea, aula;
};
const std::vector<Fila> kFilas = {
    {"ANA", 3, 12, "MAT", "1A", "", "A1"},
    {"ANA", 0, 5, AnsiDesdeUtf8("ÉTICA"), "2B", "GUARDIA", ""},
    {"O'BRIEN", 1, 1, "ING", "1A", "", "A2"},
};

std::string Contenido(const fs::path& archivo) {
  std::ifstream in(archivo, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

fs::path CrearSoluc(const fs::path& hvdat) {
  const fs::path archivo = hvdat / "SOLUC.DBF";
  CreateDBase3Table(archivo, "C:\\HVDAT\\SOLUC.DBF", kSoluc);
  Table t(archivo, "C:\\HVDAT\\SOLUC.DBF");
  t.Open(Access::Exclusive);
  for (const Fila& f : kFilas) {
    t.Append();
    t.SetText("PROF", f.prof);
    t.SetInteger("DIA", f.dia);
    t.SetInteger("HORA", f.hora);
    t.SetText("ASIG", f.asig);
    t.SetText("CODGRUPO", f.grupo);
    t.SetText("TAREA", f.tarea);
    t.SetText("AULA", f.aula);
    t.Post();
  }
  t.Close();
  return archivo;
}

TEST(CreacionDbaseIII, EscribeComoUnProgramaDeHorariosYSeLeeIgual) {
  prueba::UnidadTemporal unidad;
  const fs::path archivo = CrearSoluc(unidad.Hvdat());
  const std::string bytes = Contenido(archivo);
  ASSERT_GT(bytes.size(), 32u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x03);
  EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0x1A);
  // The first record: deletion flag, PROF C(10), DIA N(1), HORA N(2) right-aligned.
  const std::size_t cabecera = 32 + 32 * kSoluc.size() + 1;
  EXPECT_EQ(bytes.substr(cabecera, 14), " ANA       312");
  EXPECT_EQ(bytes.substr(cabecera + 55 + 11, 2), " 5");  // second record's HORA

  // The same rows written by hand, field by field, read the same as ours.
  std::vector<prueba::FilaAMano> filas;
  for (const Fila& f : kFilas) {
    filas.push_back({{f.prof, std::to_string(f.dia), std::to_string(f.hora), f.asig, f.grupo,
                      f.tarea, f.aula}});
  }
  const fs::path aMano = unidad.Hvdat() / "AMANO.DBF";
  prueba::EscribirArchivo(aMano, prueba::TablaAMano(0x03,
                                                    {{"PROF", 'C', 10},
                                                     {"DIA", 'N', 1},
                                                     {"HORA", 'N', 2},
                                                     {"ASIG", 'C', 10},
                                                     {"CODGRUPO", 'C', 10},
                                                     {"TAREA", 'C', 10},
                                                     {"AULA", 'C', 10}},
                                                    filas));
  const prueba::TablaLeida nuestra = prueba::LeerConNuestroMotor(archivo);
  ASSERT_EQ(nuestra.filas.size(), kFilas.size());
  prueba::ExpectMismaLectura(prueba::LeerConNuestroMotor(aMano), nuestra);
  if (prueba::HayDbfread()) prueba::ExpectMismaLectura(prueba::LeerConDbfread(archivo), nuestra);

  Table t(archivo, "C:\\HVDAT\\SOLUC.DBF");
  t.Open(Access::Shared);
  EXPECT_EQ(t.Fields()[1].type, 'N');
  EXPECT_EQ(t.Fields()[2].length, 2);
  t.SetFilter(EqualsFilter("PROF", "ANA"));
  t.Next();
  EXPECT_EQ(t.GetInteger("DIA"), 0);
  EXPECT_EQ(t.GetText("TAREA"), "GUARDIA");
}

TEST(CreacionDbaseIII, RechazaLoQueNoCabe) {
  prueba::UnidadTemporal unidad;
  const fs::path archivo = unidad.Hvdat() / "MAL.DBF";
  const std::vector<std::vector<FieldDef>> malas = {
      {{"NOMBRELARGO", FieldKind::Text, 5}},  // eleven letters
      {{"N", FieldKind::Integer, 19}},
      {{"N", FieldKind::Integer, 0}},
      {{"F", FieldKind::Float, 8}},
      {{"A", FieldKind::Text, 1}, {"a", FieldKind::Text, 2}},
      {},
  };
  for (const auto& campos : malas) {
    EXPECT_NE(prueba::MensajeDe([&] { CreateDBase3Table(archivo, "C:\\MAL.DBF", campos); }),
              "sin error");
    EXPECT_FALSE(fs::exists(archivo));
  }
  // A number too wide for its digits is refused, never cut.
  CreateDBase3Table(archivo, "C:\\MAL.DBF", {{"DIA", FieldKind::Integer, 1}});
  Table t(archivo, "C:\\MAL.DBF");
  t.Open(Access::Exclusive);
  t.Append();
  EXPECT_NE(prueba::MensajeDe([&] { t.SetInteger("DIA", 12); }), "sin error");
}

}  // namespace
}  // namespace vadelto::dbase
