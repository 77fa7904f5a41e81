// Horavel's working tables: recreation, their edge cases, and the window's components.

#include "tables/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <set>

#include "mensaje_de.h"
#include "support/temp_drive.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

std::set<std::string> Archivos(const fs::path& carpeta) {
  std::set<std::string> nombres;
  for (const auto& entrada : fs::directory_iterator(carpeta))
    nombres.insert(entrada.path().filename().string());
  return nombres;
}

void AnadirFila(const fs::path& carpeta, std::string_view tabla, std::string_view campo,
                std::string_view valor) {
  auto t = ObjetoTabla(carpeta, tabla);
  t->Open(dbase::Access::Shared);
  t->Append();
  t->SetText(campo, valor);
  t->Post();
  t->Close();
}

std::string Leer(const fs::path& carpeta, std::string_view tabla, std::string_view campo) {
  auto t = ObjetoTabla(carpeta, tabla);
  t->Open(dbase::Access::Shared);
  return t->GetText(campo);
}

TEST(TablasTrabajo, DoceCaracteresSeCortanEnAsignomtYNoEnAsignomt2) {
  prueba::UnidadTemporal unidad;
  RecrearTabla(unidad.Hvdat(), TablaTrabajo::ASIGNOMT);
  RecrearTabla(unidad.Hvdat(), TablaTrabajo::ASIGNOMT2);
  AnadirFila(unidad.Hvdat(), "ASIGNOMT", "COD", "ABCDEFGHIJKL");
  AnadirFila(unidad.Hvdat(), "ASIGNOMT2", "CODTAREA", "ABCDEFGHIJKL");
  EXPECT_EQ(Leer(unidad.Hvdat(), "ASIGNOMT", "COD"), "ABCDEFGHIJ");
  EXPECT_EQ(Leer(unidad.Hvdat(), "ASIGNOMT2", "CODTAREA"), "ABCDEFGHIJKL");
}

// Stray files, in any letter case, go; the table with an index gets both files anew.
TEST(TablasTrabajo, RecrearQuitaLosArchivosSueltos) {
  prueba::UnidadTemporal unidad;
  prueba::EscribirArchivo(unidad.Hvdat() / "diashorast2.dbf", "sin su indice");
  prueba::EscribirArchivo(unidad.Hvdat() / "Proft.Mdx", "indice sin tabla");
  prueba::EscribirArchivo(unidad.Hvdat() / "aulat.dbf", "suelta");
  prueba::EscribirArchivo(unidad.Hvdat() / "AULAT.mdx", "suelto");
  for (TablaTrabajo t : {TablaTrabajo::DIASHORAST2, TablaTrabajo::PROFT, TablaTrabajo::AULAT}) {
    RecrearTabla(unidad.Hvdat(), t);
  }
  EXPECT_EQ(Archivos(unidad.Hvdat()), (std::set<std::string>{"DIASHORAST2.DBF", "DIASHORAST2.MDX",
                                                             "PROFT.DBF", "AULAT.DBF"}));
  prueba::EscribirArchivo(unidad.Hvdat() / "DIASHORAST2.MDX", "roto");  // and the .MDX alone
  fs::remove(unidad.Hvdat() / "DIASHORAST2.DBF");
  RecrearTabla(unidad.Hvdat(), TablaTrabajo::DIASHORAST2);
  auto t = ObjetoTabla(unidad.Hvdat(), "DIASHORAST2");
  t->Open(dbase::Access::Shared);
  t->SelectIndex("ORDEN");
  EXPECT_EQ(t->RecordCount(), 0);
}

TEST(TablasTrabajo, CrearVaciaPeriodosSinBorrarlaAntes) {
  prueba::UnidadTemporal unidad;
  CrearTabla(unidad.Hvdat(), TablaTrabajo::PERIODOS);
  AnadirFila(unidad.Hvdat(), "PERIODOS", "CJORNADA", "VIEJA");
  AnadirFila(unidad.Hvdat(), "PERIODOS", "CJORNADA", "VIEJA2");
  CrearTabla(unidad.Hvdat(), TablaTrabajo::PERIODOS);
  auto t = ObjetoTabla(unidad.Hvdat(), "PERIODOS.DBF");
  t->Open(dbase::Access::Shared);
  EXPECT_EQ(t->RecordCount(), 0);
}

TEST(TablasTrabajo, BorrarSiExisteQuitaJornadasSinTocarSuIndice) {
  prueba::UnidadTemporal unidad;
  prueba::EscribirArchivo(unidad.Hvdat() / "Jornadas.dbf", "vieja");
  prueba::EscribirArchivo(unidad.Hvdat() / "JORNADAS.MDX", "indice");
  BorrarSiExiste(unidad.Hvdat(), "JORNADAS.DBF");
  BorrarSiExiste(unidad.Hvdat(), "JORNADAS.DBF");  // nothing left: no error
  EXPECT_EQ(Archivos(unidad.Hvdat()), std::set<std::string>{"JORNADAS.MDX"});
}

TEST(TablasTrabajo, NombresYRotulos) {
  prueba::UnidadTemporal unidad;
  EXPECT_EQ(RotuloTabla("ASIGNOMT.DBF"), "C:\\HVDAT\\ASIGNOMT.DBF");
  prueba::EscribirArchivo(unidad.Hvdat() / "soluc.dbf", "");
  EXPECT_EQ(ArchivoTabla(unidad.Hvdat(), "SOLUC.DBF"), unidad.Hvdat() / "soluc.dbf");
  EXPECT_EQ(ArchivoTabla(unidad.Hvdat(), "PROFT.DBF"), unidad.Hvdat() / "PROFT.DBF");
  std::set<std::string> nombres;
  for (TablaTrabajo t : TodasLasTablas()) nombres.insert(Definicion(t).nombre);
  EXPECT_EQ(nombres,
            (std::set<std::string>{"ASIGNOMT", "ASIGNOMT2", "PROFT", "AULAT", "CURSOST", "GRUPOST",
                                   "ASIGT", "DIASHORAST", "DIASHORAST2", "PERIODOS"}));
  EXPECT_EQ(Definicion(TablaTrabajo::DIASHORAST2).indices.size(), 1u);
}

// The export builds its tables in a folder of its own; messages still name C:\HVDAT.
TEST(TablasTrabajo, LasTablasSeCreanEnLaCarpetaQueSeDiga) {
  prueba::UnidadTemporal unidad;
  const fs::path preparacion = unidad.Carpeta("preparacion");
  RecrearTabla(preparacion, TablaTrabajo::ASIGT);
  auto t = ObjetoTabla(preparacion, "ASIGT");
  EXPECT_EQ(t->File(), preparacion / "ASIGT.DBF");
  EXPECT_EQ(t->Label(), "C:\\HVDAT\\ASIGT.DBF");
  EXPECT_TRUE(Archivos(unidad.Hvdat()).empty());
}

TEST(TablasTrabajo, LosComponentesNombranSusTablas) {
  prueba::UnidadTemporal unidad;
  const fs::path programa = unidad.Carpeta("programa");
  for (TablaTrabajo t : TodasLasTablas()) RecrearTabla(unidad.Hvdat(), t);
  dbase::CreateTable(unidad.Hvdat() / "SOLUC.DBF", "", {{"PROF", dbase::FieldKind::Text, 10}});
  dbase::CreateTable(programa / "NIVELLARI.DBF", "", {{"NIVEL_ABREV", dbase::FieldKind::Text, 5}});
  ComponentesTablas c(unidad.Hvdat(), programa);
  const std::vector<std::pair<ComponenteTabla*, fs::path>> esperados = {
      {&c.wwTableNomAsg, unidad.Hvdat() / "ASIGNOMT.DBF"},
      {&c.wwTableNomAsg_2, unidad.Hvdat() / "ASIGNOMT2.DBF"},
      {&c.wwTableProfesor, unidad.Hvdat() / "PROFT.DBF"},
      {&c.wwTableTramos, unidad.Hvdat() / "DIASHORAST.DBF"},
      {&c.wwTableAulas, unidad.Hvdat() / "AULAT.DBF"},
      {&c.wwTableGrupos, unidad.Hvdat() / "GRUPOST.DBF"},
      {&c.wwTableAsig, unidad.Hvdat() / "ASIGT.DBF"},
      {&c.wwTableSoluc, unidad.Hvdat() / "SOLUC.DBF"},
      {&c.wwTableCursos, unidad.Hvdat() / "CURSOST.DBF"},
      {&c.wwTableNIVELEX, programa / "NIVELLARI.DBF"},
  };
  for (const auto& [componente, archivo] : esperados) {
    componente->Abrir();
    EXPECT_EQ((*componente)->File(), archivo) << componente->Nombre();
  }
  EXPECT_EQ(c.wwTableNomAsg.Nombre(), "wwTableNomAsg");
  EXPECT_EQ(c.wwTableNomAsg->Label(), "C:\\HVDAT\\ASIGNOMT.DBF");
  for (const auto& [componente, archivo] : esperados) componente->Cerrar();
  EXPECT_FALSE(c.wwTableSoluc.Abierta());
}

TEST(TablasTrabajo, UnComponenteSinTablaLoDice) {
  prueba::UnidadTemporal unidad;
  ComponentesTablas c(unidad.Hvdat(), unidad.Carpeta("programa"));
  EXPECT_EQ(
      prueba::MensajeDe([&] { c.wwTableSoluc.Abrir(); }),
      "No existe la tabla C:\\HVDAT\\SOLUC.DBF (" + (unidad.Hvdat() / "SOLUC.DBF").string() + ")");
  EXPECT_EQ(prueba::MensajeDe([&] { c.wwTableNIVELEX.Abrir(); }),
            "No existe la tabla " + (unidad.Raiz() / "programa" / "NIVELLARI.dbf").string());
  EXPECT_THROW(*c.wwTableAulas, Error);  // never opened
}

}  // namespace
}  // namespace vadelto
