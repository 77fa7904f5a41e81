// The tables we write, read back by an independent reader: TDbf, through dbfcheck.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "lectores.h"
#include "support/temp_drive.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"

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

// DIASHORAST2 with the given ORDEN keys; DIHO holds each row's record number.
fs::path Diashorast2(const fs::path& hvdat, const std::vector<int>& ordenes) {
  RecrearTabla(hvdat, TablaTrabajo::DIASHORAST2);
  auto tabla = ObjetoTabla(hvdat, "DIASHORAST2");
  tabla->Open(dbase::Access::Shared);
  int registro = 0;
  for (int orden : ordenes) {
    tabla->Append();
    tabla->SetText("DIHO", std::to_string(++registro));
    tabla->SetInteger("ORDEN", orden);
    tabla->Post();
  }
  tabla->Close();
  // On a case-sensitive disk TDbf looks for the lower-case name unless the whole path is
  // upper case.
  const fs::path mdx = hvdat / "DIASHORAST2.MDX";
  if (!fs::exists(hvdat / "DIASHORAST2.mdx"))
    fs::create_symlink(mdx.filename(), hvdat / "DIASHORAST2.mdx");
  return hvdat / "DIASHORAST2.DBF";
}

// Record numbers in ascending key order, equal keys in record order.
std::vector<int> OrdenEsperado(const std::vector<int>& ordenes) {
  std::vector<int> registros(ordenes.size());
  for (std::size_t i = 0; i < registros.size(); ++i) registros[i] = static_cast<int>(i) + 1;
  std::stable_sort(registros.begin(), registros.end(),
                   [&](int a, int b) { return ordenes[a - 1] < ordenes[b - 1]; });
  return registros;
}

std::vector<int> NuestroOrden(const fs::path& archivo) {
  dbase::Table tabla(archivo, "");
  tabla.Open(dbase::Access::Shared);
  tabla.SelectIndex("ORDEN");
  std::vector<int> registros;
  for (tabla.First(); !tabla.Eof(); tabla.Next())
    registros.push_back(std::stoi(tabla.GetText("DIHO")));
  return registros;
}

struct RecorridoTdbf {
  std::vector<int> registros;                 // "rec R K"
  std::vector<std::string> claves;            // K of each "rec" line, as TDbf reads it
  std::vector<std::pair<int, int>> hallados;  // "find K R K": key, record found
  int perdidas = 0;                           // "find K missing"
};

RecorridoTdbf RecorrerConTdbf(const fs::path& archivo, const std::string& etiqueta = "ORDEN") {
  const prueba::Salida salida = prueba::Ejecutar(prueba::Comillas(*prueba::DbfCheck()) + " index " +
                                                 prueba::Comillas(archivo) + " " + etiqueta);
  EXPECT_EQ(salida.estado, 0) << salida.texto;
  RecorridoTdbf recorrido;
  std::istringstream lineas(salida.texto);
  std::string linea;
  while (std::getline(lineas, linea)) {
    std::istringstream palabras(linea);
    std::string palabra, registro, clave, hallada;
    palabras >> palabra >> registro;
    if (palabra == "rec") {
      palabras >> clave;  // empty for a blank key
      recorrido.registros.push_back(std::stoi(registro));
      recorrido.claves.push_back(clave);
    } else if (palabra == "find") {
      clave = registro;
      palabras >> registro >> hallada;
      if (registro == "missing") {
        ++recorrido.perdidas;
      } else {
        EXPECT_EQ(hallada, clave) << "TDbf encontró otra clave";
        recorrido.hallados.emplace_back(std::stoi(clave), std::stoi(registro));
      }
    }
  }
  return recorrido;
}

// Page numbers of the root's children when the root is an interior node; none for a leaf.
std::vector<std::uint32_t> HijosDe(const std::string& mdx, std::uint32_t pagina) {
  const auto le32 = [&](std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
      v = v << 8 | static_cast<unsigned char>(mdx[at + static_cast<std::size_t>(i)]);
    return v;
  };
  const std::size_t nodo = std::size_t{pagina} * 512;
  const std::uint32_t claves = le32(nodo);
  if (claves >= 63 || le32(nodo + 8 + claves * 16) == 0) return {};
  std::vector<std::uint32_t> hijos;
  for (std::uint32_t i = 0; i <= claves; ++i) hijos.push_back(le32(nodo + 8 + i * 16));
  return hijos;
}

int Niveles(const std::string& mdx) {
  const auto raiz = static_cast<std::uint32_t>(static_cast<unsigned char>(mdx[2048])) |
                    static_cast<std::uint32_t>(static_cast<unsigned char>(mdx[2049])) << 8;
  int niveles = 1;
  for (std::vector<std::uint32_t> hijos = HijosDe(mdx, raiz); !hijos.empty();
       hijos = HijosDe(mdx, hijos.front())) {
    ++niveles;
  }
  return niveles;
}

struct CasoIndice {
  std::string nombre;
  std::vector<int> ordenes;
  int niveles;
};

std::vector<CasoIndice> CasosIndice() {
  std::vector<CasoIndice> casos = {{"tres filas", {600, 480, 540}, 1}, {"vacia", {}, 1}};
  std::vector<int> cientos, miles;
  for (int i = 0; i < 300; ++i) cientos.push_back((i * 37) % 101 * 10 - 200);  // repeats, negatives
  for (int i = 0; i < 5000; ++i) miles.push_back(i % 3 == 0 ? 7 : (i * 7919) % 4001 - 2000);
  casos.push_back({"300 filas", cientos, 2});
  casos.push_back({"5000 filas", miles, 3});
  return casos;
}

TEST(Tdbf, ElIndiceOrdenLoRecorreTdbfEnOrdenYEncuentraCadaClave) {
  REQUIERE_DBFCHECK();
  for (const CasoIndice& caso : CasosIndice()) {
    SCOPED_TRACE(caso.nombre);
    prueba::UnidadTemporal unidad;
    const fs::path archivo = Diashorast2(unidad.Hvdat(), caso.ordenes);
    const std::vector<int> esperado = OrdenEsperado(caso.ordenes);
    EXPECT_EQ(NuestroOrden(archivo), esperado);
    EXPECT_EQ(Niveles(prueba::LeerArchivo(unidad.Hvdat() / "DIASHORAST2.MDX")), caso.niveles);

    const RecorridoTdbf tdbf = RecorrerConTdbf(archivo);
    EXPECT_EQ(tdbf.registros, esperado);
    EXPECT_EQ(tdbf.perdidas, 0);
    EXPECT_EQ(tdbf.hallados.size(), std::set<int>(caso.ordenes.begin(), caso.ordenes.end()).size());
    for (const auto& [clave, registro] : tdbf.hallados) {
      // The search lands on the first row of its key in index order.
      const auto primero = std::find_if(esperado.begin(), esperado.end(), [&](int r) {
        return caso.ordenes[static_cast<std::size_t>(r - 1)] == clave;
      });
      EXPECT_EQ(registro, *primero) << clave;
    }
  }
}

// Rows appended to a table that has its index keep the index whole.
TEST(Tdbf, ElIndiceSigueCorrectoAlAnadirFilasEnOtraApertura) {
  REQUIERE_DBFCHECK();
  prueba::UnidadTemporal unidad;
  std::vector<int> ordenes;
  for (int i = 0; i < 100; ++i) ordenes.push_back(1000 - i * 3);
  const fs::path archivo = Diashorast2(unidad.Hvdat(), ordenes);
  {
    auto tabla = ObjetoTabla(unidad.Hvdat(), "DIASHORAST2");
    tabla->Open(dbase::Access::Exclusive);
    tabla->SelectIndex("ORDEN");
    for (int i = 0; i < 100; ++i) {
      ordenes.push_back(i * 5);
      tabla->Append();
      tabla->SetText("DIHO", std::to_string(ordenes.size()));
      tabla->SetInteger("ORDEN", ordenes.back());
      tabla->Post();
    }
    tabla->Close();
  }
  EXPECT_EQ(NuestroOrden(archivo), OrdenEsperado(ordenes));
  const RecorridoTdbf tdbf = RecorrerConTdbf(archivo);
  EXPECT_EQ(tdbf.registros, OrdenEsperado(ordenes));
  EXPECT_EQ(tdbf.perdidas, 0);
}

// Tables another program writes at each level, read by TDbf and by us.
TEST(Tdbf, LasTablasQueEscribeTdbfEnCadaNivelLasLeemosIgual) {
  REQUIERE_DBFCHECK();
  prueba::UnidadTemporal unidad;
  for (int nivel : {3, 4, 7, 25, 30}) {
    SCOPED_TRACE("nivel " + std::to_string(nivel));
    const fs::path archivo = unidad.Hvdat() / ("NIVEL" + std::to_string(nivel) + ".DBF");
    const prueba::Salida hecha =
        prueba::Ejecutar(prueba::Comillas(*prueba::DbfCheck()) + " make " +
                         prueba::Comillas(archivo) + " " + std::to_string(nivel));
    ASSERT_EQ(hecha.estado, 0) << hecha.texto;
    const TablaLeida nuestra = prueba::LeerConNuestroMotor(archivo);
    EXPECT_EQ(nuestra.filas.size(), 4u);
    prueba::ExpectMismaLectura(prueba::LeerConTdbf(archivo), nuestra);
    if (nivel != 4 && nivel != 7) continue;

    // Its production index (dBase IV layout at level 4, dBase 7 at level 7): the numeric
    // tag gives TDbf's order; the text tag, sorted by a collation, is not guessed at.
    dbase::Table tabla(archivo, "");
    tabla.Open(dbase::Access::Shared);
    tabla.SelectIndex("CANTIDAD");
    std::vector<std::string> claves;
    for (tabla.First(); !tabla.Eof(); tabla.Next()) claves.push_back(tabla.GetText("CANTIDAD"));
    EXPECT_EQ(claves, RecorrerConTdbf(archivo, "CANTIDAD").claves);
    EXPECT_THROW(tabla.SelectIndex("NOMBRE"), Error);
    EXPECT_THROW(tabla.Append(), Error);  // appending could not keep the text tag
  }
}

}  // namespace
}  // namespace vadelto
