#include "fiabilidad/escenario.h"

#include "export/exportar.h"
#include "import/importar.h"
#include "tables/dbase/os_file.h"
#include "tables/dbase/table.h"
#include "tables/dbf_a_mano.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::prueba {
namespace fs = std::filesystem;

namespace {

template <typename Conversion>
std::string Ejecutar(Conversion conversion, Sesion& sesion, InterfazPrueba& interfaz) {
  try {
    conversion(sesion, interfaz);
    return {};
  } catch (const Error& error) {
    return Utf8DesdeAnsi(error.Mensaje());
  }
}

}  // namespace

Escenario::Escenario() {
  EscribirNivellari(programa, NivelesCompletos());
  sesion.CarpetaPrograma = programa;
  sesion.CarpetaTablas = unidad.Hvdat();
}

fs::path Escenario::Elegir(const DocumentoRacima& documento, const std::string& nombre) {
  interfaz.documento = documento.Escribir(unidad.Carpeta("racima") / nombre);
  return *interfaz.documento;
}

fs::path Escenario::ElegirBytes(const std::string& bytes, const std::string& nombre) {
  interfaz.documento = unidad.Carpeta("racima") / nombre;
  EscribirArchivo(*interfaz.documento, bytes);
  return *interfaz.documento;
}

std::string Escenario::Exportar() {
  return Ejecutar(BExportarClick, sesion, interfaz);
}

std::string Escenario::Importar() {
  return Ejecutar(BImportarClick, sesion, interfaz);
}

std::string ExportarCon(Sesion& sesion, InterfazPrueba& interfaz) {
  return Ejecutar(BExportarClick, sesion, interfaz);
}

void Escenario::TablasExportadas() {
  Sesion otra = sesion;
  InterfazPrueba exportacion;
  exportacion.documento = DocumentoCompleto().Escribir(unidad.Carpeta("anterior") / "racima.xml");
  ASSERT_EQ(ExportarCon(otra, exportacion), "");
  EscribirArchivo(Soluc(), SolucDbase3());
}

std::string Escenario::SolucDbase3() const {
  const std::vector<CampoAMano> campos = {
      {"PROF", 'C', 10},     {"DIA", 'N', 1},    {"HORA", 'N', 2}, {"ASIG", 'C', 10},
      {"CODGRUPO", 'C', 10}, {"TAREA", 'C', 10}, {"AULA", 'C', 10}};
  std::vector<FilaAMano> filas;
  dbase::Table profesores(unidad.Hvdat() / "PROFT.DBF", "PROFT");
  profesores.Open(dbase::Access::Shared);
  for (profesores.First(); !profesores.Eof(); profesores.Next()) {
    const std::string abrev = profesores.GetText("ABREV");
    filas.push_back({{abrev, "1", "1", "MAT", "1A", "", ""}});
    filas.push_back({{abrev, "0", "0", "MAT", "1A", "", ""}});
  }
  return TablaAMano(0x03, campos, filas);
}

void Escenario::EsperarSinConversion() {
  EXPECT_EQ(sesion.CodigoResultado, 0);
  EXPECT_EQ(interfaz.botonesDesactivados, 0);
  EXPECT_EQ(interfaz.ventanasCerradas, 0);
  EXPECT_EQ(std::count(interfaz.reloj.begin(), interfaz.reloj.end(), true),
            std::count(interfaz.reloj.begin(), interfaz.reloj.end(), false));
}

void Escenario::EsperarTablasLibres() {
  for (const auto& entrada : fs::recursive_directory_iterator(unidad.Hvdat())) {
    EXPECT_FALSE(dbase::InUse(entrada.path())) << entrada.path() << " sigue abierto";
  }
}

std::string NombreEnMensajes(const fs::path& tabla) {
  return Utf8DesdeAnsi(RotuloTabla(tabla.filename().string())) + " (" + tabla.string() + ")";
}

}  // namespace vadelto::prueba
