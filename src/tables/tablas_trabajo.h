#pragma once

// Horavel's working tables: their schemas (one table of definitions), where they live,
// the recreate idiom of the export steps, and the main window's table components.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tables/dbase/table.h"

namespace vadelto {

struct DefinicionTabla {
  std::string nombre;  // "ASIGNOMT"
  std::vector<dbase::FieldDef> campos;
  std::vector<dbase::IndexDef> indices;
};

enum class TablaTrabajo {
  ASIGNOMT,
  ASIGNOMT2,
  PROFT,
  AULAT,
  CURSOST,
  GRUPOST,
  ASIGT,
  DIASHORAST,
  DIASHORAST2,
  PERIODOS,
};

const DefinicionTabla& Definicion(TablaTrabajo tabla);
const std::vector<TablaTrabajo>& TodasLasTablas();

// "C:\HVDAT\ASIGNOMT.DBF": how messages name a working table.
std::string RotuloTabla(std::string_view nombreConExtension);

// The table's data file in `carpeta`, found without regard to case ("ASIGNOMT.DBF").
std::filesystem::path ArchivoTabla(const std::filesystem::path& carpeta,
                                   std::string_view nombreConExtension);

// Deletes the file in `carpeta` where it exists (found without regard to case).
void BorrarSiExiste(const std::filesystem::path& carpeta, std::string_view nombreArchivo);

// The recreate idiom: deletes the table's .DBF and .MDX where they exist, then creates it
// empty with its schema (and its production index where it has one).
void RecrearTabla(const std::filesystem::path& carpeta, TablaTrabajo tabla);
// Creation alone: replaces a table of that name (PERIODOS is emptied this way).
void CrearTabla(const std::filesystem::path& carpeta, TablaTrabajo tabla);

// A table object of a step's own on a working table in `carpeta`; not opened.
std::unique_ptr<dbase::Table> ObjetoTabla(const std::filesystem::path& carpeta,
                                          std::string_view nombre);

// The main window's table components: each names one table in its folder and opens it
// exclusively (wwTableNIVELEX shared, NIVELLARI.DBF beside the program).
class ComponenteTabla {
 public:
  ComponenteTabla(std::string componente, std::string tabla, bool exclusivo);
  void Carpeta(const std::filesystem::path& carpeta);  // before opening
  void Abrir();
  void Cerrar();
  bool Abierta() const;
  dbase::Table& operator*();
  dbase::Table* operator->();
  const std::string& Nombre() const { return componente_; }

 private:
  std::string componente_;
  std::string tabla_;
  bool exclusivo_;
  std::filesystem::path carpeta_;
  std::unique_ptr<dbase::Table> objeto_;
};

// The components of the main window, named as there, on C:\HVDAT (wwTableNIVELEX on the
// program's folder).
struct ComponentesTablas {
  explicit ComponentesTablas(const std::filesystem::path& hvdat,
                             const std::filesystem::path& carpetaPrograma);
  ComponenteTabla wwTableNomAsg;     // ASIGNOMT
  ComponenteTabla wwTableNomAsg_2;   // ASIGNOMT2
  ComponenteTabla wwTableProfesor;   // PROFT
  ComponenteTabla wwTableTramos;     // DIASHORAST
  ComponenteTabla wwTableAulas;      // AULAT
  ComponenteTabla wwTableGrupos;     // GRUPOST
  ComponenteTabla wwTableAsig;       // ASIGT
  ComponenteTabla wwTableSoluc;      // SOLUC
  ComponenteTabla wwTableCursos;     // CURSOST
  ComponenteTabla wwTableNIVELEX;    // NIVELLARI.dbf, shared
};

}  // namespace vadelto
