// The tables we write, read back by an independent reader: TDbf, through dbfcheck.

#include <gtest/gtest.h>

#include <cmath>

#include "lectores.h"
#include "support/temp_drive.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;
using prueba::TablaLeida;

#define REQUIERE_DBFCHECK() \
  if (!prueba::DbfCheck()) GTEST_SKIP() << "dbfcheck no está construido (falta fpc)"

// Each working table as it must be created: name, type letter, length, decimals.
const std::vector<std::pair<TablaTrabajo, std::vector<std::string>>> kEsquemas = {
    {TablaTrabajo::ASIGNOMT,
     {"COD C 10 0", "CODLARGO C 10 0", "NOMBRE C 80 0", "CODTAREA C 10 0", "ESTAREA L 1 0"}},
    {TablaTrabajo::ASIGNOMT2,
     {"COD C 10 0", "CODLARGO C 10 0", "NOMBRE C 80 0", "MATERIA C 20 0", "OFERTAMATRI C 20 0",
      "CODTAREA C 12 0", "ESTAREA L 1 0"}},
    {TablaTrabajo::PROFT,
     {"ABREV C 10 0", "NOMBRE C 80 0", "DEPART C 40 0", "DNI I 4 0", "X_EMPLEADO C 10 0",
      "F_TOMAPOS C 10 0"}},
    {TablaTrabajo::AULAT,
     {"ABREV C 10 0", "NOMBRE C 80 0", "EDIFICIO C 1 0", "MAXALUM I 4 0", "DEPCENTRO C 10 0"}},
    {TablaTrabajo::CURSOST,
     {"ABREV C 3 0", "TURNO C 1 0", "NIVEL C 5 0", "CURSO C 3 0", "CLAVE C 10 0", "ESTUD C 80 0"}},
    {TablaTrabajo::GRUPOST,
     {"ABREV C 10 0", "TURNO C 1 0", "NIVEL C 5 0", "CURSO C 3 0", "GRUPO C 2 0", "CLAVE C 10 0",
      "CLAVECURSO C 10 0", "DESCRIP C 80 0"}},
    {TablaTrabajo::ASIGT,
     {"CASIG C 10 0", "CPROF C 10 0", "CGRUP C 10 0", "CAULA C 10 0", "TURNO C 1 0", "NIVEL C 5 0",
      "CURSO C 3 0", "GRUPO C 2 0", "HORAS O 8 0", "SESIONES C 20 0", "NCONEX C 4 0",
      "CLAVE C 10 0", "CLAVECURSO C 10 0", "CTAREA C 10 0"}},
    {TablaTrabajo::DIASHORAST,
     {"DIHO C 10 0", "CODDIHO C 10 0", "DIA C 20 0", "TEXTODIA C 20 0", "HORA C 8 0",
      "TEXTOHOR C 15 0", "HORADESDE C 8 0", "HORAHASTA C 8 0", "MINUTOS C 8 0"}},
    {TablaTrabajo::DIASHORAST2,
     {"DIHO C 10 0", "CODDIHO C 10 0", "DIA C 20 0", "TEXTODIA C 20 0", "HORA C 8 0",
      "TEXTOHOR C 15 0", "HORADESDE C 8 0", "HORAHASTA C 8 0", "MINUTOS C 8 0", "ORDEN I 4 0"}},
    {TablaTrabajo::PERIODOS,
     {"CJORNADA C 10 0", "JORNADA C 40 0", "FECINI C 10 0", "FECFIN C 10 0"}},
};

// Six rows that go through each kind's awkward values: accents and the euro sign, blanks,
// full and over-long texts, leading blanks, quotes; zero, negative and extreme numbers.
void LlenarConMuestras(dbase::Table& tabla) {
  const std::vector<std::string> textos = {
      AnsiDesdeUtf8("Ñandú €"), "", "", "  delante", "O'Brien", AnsiDesdeUtf8("ÁÉÍÓÚÜáéíóúüñ¿¡")};
  const std::vector<std::optional<std::int32_t>> enteros = {0,           -42,          2147483647,
                                                            -2147483647, std::nullopt, 12345678};
  const std::vector<std::optional<double>> flotantes = {2.5,          -0.75,       0.0,
                                                        std::nullopt, -123456.789, 1e-7};
  const std::vector<std::optional<bool>> logicos = {true, false, std::nullopt,
                                                    true, false, std::nullopt};
  for (std::size_t i = 0; i < 6; ++i) {
    tabla.Append();
    for (const dbase::FieldInfo& f : tabla.Fields()) {
      if (f.type == 'C') {
        // Row 2 fills the field exactly, row 3 overflows it.
        if (i == 2)
          tabla.SetText(f.name, std::string(static_cast<std::size_t>(f.length), '\xD1'));
        else if (i == 3)
          tabla.SetText(f.name, std::string(static_cast<std::size_t>(f.length) + 2, 'x'));
        else
          tabla.SetText(f.name, textos[i]);
      } else if (f.type == 'I' && enteros[i]) {
        tabla.SetInteger(f.name, *enteros[i]);
      } else if (f.type == 'O' && flotantes[i]) {
        tabla.SetFloat(f.name, *flotantes[i]);
      } else if (f.type == 'L' && logicos[i]) {
        tabla.SetBoolean(f.name, *logicos[i]);
      }
    }
    tabla.Post();
  }
}

TEST(Tdbf, CadaTablaDeTrabajoLaLeeTdbfComoNosotros) {
  REQUIERE_DBFCHECK();
  prueba::UnidadTemporal unidad;
  for (const auto& [tabla, esquema] : kEsquemas) {
    const std::string nombre = Definicion(tabla).nombre;
    SCOPED_TRACE(nombre);
    RecrearTabla(unidad.Hvdat(), tabla);
    const fs::path archivo = ArchivoTabla(unidad.Hvdat(), nombre + ".DBF");
    {
      auto objeto = ObjetoTabla(unidad.Hvdat(), nombre);
      objeto->Open(dbase::Access::Shared);
      LlenarConMuestras(*objeto);
      objeto->Close();
    }
    const TablaLeida nuestra = prueba::LeerConNuestroMotor(archivo);
    EXPECT_EQ(nuestra.campos, esquema);
    EXPECT_EQ(nuestra.filas.size(), 6u);
    prueba::ExpectMismaLectura(prueba::LeerConTdbf(archivo), nuestra);
  }
}

}  // namespace
}  // namespace vadelto
