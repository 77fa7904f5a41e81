#include "tables/tablas_trabajo.h"

#include <system_error>

#include "tables/dbase/os_file.h"
#include "tables/unidad.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace fs = std::filesystem;
using dbase::FieldDef;
using dbase::FieldKind;

namespace {

FieldDef Texto(const char* nombre, int ancho) {
  return {nombre, FieldKind::Text, ancho};
}
FieldDef Entero(const char* nombre) {
  return {nombre, FieldKind::Integer};
}
FieldDef Flotante(const char* nombre) {
  return {nombre, FieldKind::Float};
}
FieldDef Logico(const char* nombre) {
  return {nombre, FieldKind::Boolean};
}

// The schemas, in the order of TablaTrabajo; fields in creation order.
std::vector<DefinicionTabla> Esquemas() {
  const std::vector<FieldDef> tramos = {
      Texto("DIHO", 10),     Texto("CODDIHO", 10),  Texto("DIA", 20),
      Texto("TEXTODIA", 20), Texto("HORA", 8),      Texto("TEXTOHOR", 15),
      Texto("HORADESDE", 8), Texto("HORAHASTA", 8), Texto("MINUTOS", 8),
  };
  std::vector<FieldDef> tramosOrdenados = tramos;
  tramosOrdenados.push_back(Entero("ORDEN"));
  return {
      {"ASIGNOMT",
       {Texto("COD", 10), Texto("CODLARGO", 10), Texto("NOMBRE", 80), Texto("CODTAREA", 10),
        Logico("ESTAREA")},
       {}},
      {"ASIGNOMT2",
       {Texto("COD", 10), Texto("CODLARGO", 10), Texto("NOMBRE", 80), Texto("MATERIA", 20),
        Texto("OFERTAMATRI", 20), Texto("CODTAREA", 12), Logico("ESTAREA")},
       {}},
      {"PROFT",
       {Texto("ABREV", 10), Texto("NOMBRE", 80), Texto("DEPART", 40), Entero("DNI"),
        Texto("X_EMPLEADO", 10), Texto("F_TOMAPOS", 10)},
       {}},
      {"AULAT",
       {Texto("ABREV", 10), Texto("NOMBRE", 80), Texto("EDIFICIO", 1), Entero("MAXALUM"),
        Texto("DEPCENTRO", 10)},
       {}},
      {"CURSOST",
       {Texto("ABREV", 3), Texto("TURNO", 1), Texto("NIVEL", 5), Texto("CURSO", 3),
        Texto("CLAVE", 10), Texto("ESTUD", 80)},
       {}},
      {"GRUPOST",
       {Texto("ABREV", 10), Texto("TURNO", 1), Texto("NIVEL", 5), Texto("CURSO", 3),
        Texto("GRUPO", 2), Texto("CLAVE", 10), Texto("CLAVECURSO", 10), Texto("DESCRIP", 80)},
       {}},
      {"ASIGT",
       {Texto("CASIG", 10), Texto("CPROF", 10), Texto("CGRUP", 10), Texto("CAULA", 10),
        Texto("TURNO", 1), Texto("NIVEL", 5), Texto("CURSO", 3), Texto("GRUPO", 2),
        Flotante("HORAS"), Texto("SESIONES", 20), Texto("NCONEX", 4), Texto("CLAVE", 10),
        Texto("CLAVECURSO", 10), Texto("CTAREA", 10)},
       {}},
      {"DIASHORAST", tramos, {}},
      {"DIASHORAST2", tramosOrdenados, {{"ORDEN", "ORDEN"}}},
      {"PERIODOS",
       {Texto("CJORNADA", 10), Texto("JORNADA", 40), Texto("FECINI", 10), Texto("FECFIN", 10)},
       {}},
  };
}

std::string ConExtension(std::string_view nombre) {
  std::string archivo(nombre);
  if (fs::path(archivo).extension().empty()) archivo += ".DBF";
  return archivo;
}

}  // namespace

const DefinicionTabla& Definicion(TablaTrabajo tabla) {
  static const std::vector<DefinicionTabla> kDefiniciones = Esquemas();
  return kDefiniciones.at(static_cast<std::size_t>(tabla));
}

const std::vector<TablaTrabajo>& TodasLasTablas() {
  static const std::vector<TablaTrabajo> kTodas = {
      TablaTrabajo::ASIGNOMT, TablaTrabajo::ASIGNOMT2,  TablaTrabajo::PROFT,
      TablaTrabajo::AULAT,    TablaTrabajo::CURSOST,    TablaTrabajo::GRUPOST,
      TablaTrabajo::ASIGT,    TablaTrabajo::DIASHORAST, TablaTrabajo::DIASHORAST2,
      TablaTrabajo::PERIODOS,
  };
  return kTodas;
}

std::string RotuloTabla(std::string_view nombreConExtension) {
  return std::string(kCarpetaHvdatWindows) + "\\" + std::string(nombreConExtension);
}

fs::path ArchivoTabla(const fs::path& carpeta, std::string_view nombreConExtension) {
  return BuscarSinMayusculas(carpeta, nombreConExtension);
}

void BorrarSiExiste(const fs::path& carpeta, std::string_view nombreArchivo) {
  const fs::path archivo = BuscarSinMayusculas(carpeta, nombreArchivo);
  // A file another program has open cannot be deleted on Windows; the same holds here, so
  // the creation that follows reports the table in use.
  if (dbase::InUse(archivo)) return;
  std::error_code ec;
  fs::remove(archivo, ec);
}

void CrearTabla(const fs::path& carpeta, TablaTrabajo tabla) {
  const DefinicionTabla& definicion = Definicion(tabla);
  const std::string archivo = definicion.nombre + ".DBF";
  dbase::CreateTable(ArchivoTabla(carpeta, archivo), RotuloTabla(archivo), definicion.campos,
                     definicion.indices);
}

void RecrearTabla(const fs::path& carpeta, TablaTrabajo tabla) {
  const std::string& nombre = Definicion(tabla).nombre;
  BorrarSiExiste(carpeta, nombre + ".DBF");
  BorrarSiExiste(carpeta, nombre + ".MDX");
  CrearTabla(carpeta, tabla);
}

std::unique_ptr<dbase::Table> ObjetoTabla(const fs::path& carpeta, std::string_view nombre) {
  const std::string archivo = ConExtension(nombre);
  return std::make_unique<dbase::Table>(ArchivoTabla(carpeta, archivo), RotuloTabla(archivo));
}

ComponenteTabla::ComponenteTabla(std::string componente, std::string tabla, bool exclusivo)
    : componente_(std::move(componente)), tabla_(std::move(tabla)), exclusivo_(exclusivo) {}

void ComponenteTabla::Carpeta(const fs::path& carpeta) {
  carpeta_ = carpeta;
}

void ComponenteTabla::Abrir() {
  if (Abierta()) return;
  // A working table is named as the user knows it, C:\HVDAT\...; a table named with its
  // extension (the level table beside the program) by where it is.
  const bool conExtension = !fs::path(tabla_).extension().empty();
  const std::string archivo = ConExtension(tabla_);
  objeto_ = std::make_unique<dbase::Table>(ArchivoTabla(carpeta_, archivo),
                                           conExtension ? std::string() : RotuloTabla(archivo));
  objeto_->Open(exclusivo_ ? dbase::Access::Exclusive : dbase::Access::Shared);
}

void ComponenteTabla::Cerrar() {
  if (objeto_) objeto_->Close();
}

bool ComponenteTabla::Abierta() const {
  return objeto_ && objeto_->IsOpen();
}

dbase::Table& ComponenteTabla::operator*() {
  if (!objeto_) throw Error(mensajes::TablaNoAbierta(RotuloTabla(ConExtension(tabla_))));
  return *objeto_;
}

dbase::Table* ComponenteTabla::operator->() {
  return &**this;
}

ComponentesTablas::ComponentesTablas(const fs::path& hvdat, const fs::path& carpetaPrograma)
    : wwTableNomAsg("wwTableNomAsg", "ASIGNOMT", true),
      wwTableNomAsg_2("wwTableNomAsg_2", "ASIGNOMT2", true),
      wwTableProfesor("wwTableProfesor", "PROFT", true),
      wwTableTramos("wwTableTramos", "DIASHORAST", true),
      wwTableAulas("wwTableAulas", "AULAT", true),
      wwTableGrupos("wwTableGrupos", "GRUPOST", true),
      wwTableAsig("wwTableAsig", "ASIGT", true),
      wwTableSoluc("wwTableSoluc", "SOLUC", true),
      wwTableCursos("wwTableCursos", "CURSOST", true),
      wwTableNIVELEX("wwTableNIVELEX", "NIVELLARI.dbf", false) {
  for (ComponenteTabla* c :
       {&wwTableNomAsg, &wwTableNomAsg_2, &wwTableProfesor, &wwTableTramos, &wwTableAulas,
        &wwTableGrupos, &wwTableAsig, &wwTableSoluc, &wwTableCursos}) {
    c->Carpeta(hvdat);
  }
  wwTableNIVELEX.Carpeta(carpetaPrograma);
}

}  // namespace vadelto
