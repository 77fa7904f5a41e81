// The whole export on arbitrary bytes as the chosen document, over a C:\HVDAT that holds an
// earlier set of tables: the XML load, the exchange document's reading and the seven steps
// into the staged tables, then the replacement. The export must end with "Proceso
// finalizado" and the ten tables in place, or with a vadelto::Error and C:\HVDAT exactly as
// it was. When the document holds several time templates, the first code offered is chosen.

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "export/exportar.h"
#include "soporte/unidad_fuzz.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace {
namespace fs = std::filesystem;
using namespace vadelto;

using Archivos = std::map<std::string, std::string>;

Archivos Leer(const fs::path& carpeta) {
  Archivos archivos;
  for (const auto& entrada : fs::recursive_directory_iterator(carpeta)) {
    if (!entrada.is_regular_file()) continue;
    std::ifstream archivo(entrada.path(), std::ios::binary);
    archivos[fs::relative(entrada.path(), carpeta).string()] = {
        std::istreambuf_iterator<char>(archivo), {}};
  }
  return archivos;
}

void Escribir(const fs::path& carpeta, const Archivos& archivos) {
  fuzz::Vaciar(carpeta);
  for (const auto& [nombre, bytes] : archivos) fuzz::Escribir(carpeta / nombre, bytes);
}

// The tables an earlier export left, one row each, and a stale JORNADAS.DBF.
Archivos TablasAnteriores() {
  for (TablaTrabajo tabla : TodasLasTablas()) {
    RecrearTabla(fuzz::Hvdat(), tabla);
    auto objeto = ObjetoTabla(fuzz::Hvdat(), Definicion(tabla).nombre + ".DBF");
    objeto->Open(dbase::Access::Exclusive);
    objeto->Append();
    objeto->SetText(Definicion(tabla).campos.front().name, "ANTERIOR");
    objeto->Post();
    objeto->Close();
  }
  fuzz::Escribir(fuzz::Hvdat() / "JORNADAS.DBF", "de otra version");
  return Leer(fuzz::Hvdat());
}

fs::path Programa() {
  const fs::path carpeta = fuzz::Raiz() / "programa";
  fuzz::Vaciar(carpeta);
  dbase::CreateTable(carpeta / "NIVELLARI.DBF", "",
                     {{"X_OFERTAMATRIG", dbase::FieldKind::Integer},
                      {"NIVEL_ABREV", dbase::FieldKind::Text, 5},
                      {"ESTUDIO", dbase::FieldKind::Text, 40}});
  dbase::Table niveles(carpeta / "NIVELLARI.DBF", "");
  niveles.Open(dbase::Access::Exclusive);
  for (auto [oferta, nivel] : {std::pair{6101, "ESO"}, std::pair{6201, "BACH"}}) {
    niveles.Append();
    niveles.SetInteger("X_OFERTAMATRIG", oferta);
    niveles.SetText("NIVEL_ABREV", nivel);
    niveles.SetText("ESTUDIO", nivel);
    niveles.Post();
  }
  niveles.Close();
  return carpeta;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Archivos anteriores = TablasAnteriores();
  static const fs::path programa = Programa();
  Escribir(fuzz::Hvdat(), anteriores);
  const fs::path documento = fuzz::Raiz() / "documento.xml";
  fuzz::Escribir(documento, fuzz::Bytes(data, size));

  Sesion sesion;
  sesion.CarpetaTablas = fuzz::Hvdat();
  sesion.CarpetaPrograma = programa;
  fuzz::InterfazFuzz interfaz(documento);
  try {
    BExportarClick(sesion, interfaz);
  } catch (const Error&) {
    if (Leer(fuzz::Hvdat()) != anteriores) std::abort();
    return 0;
  }
  if (interfaz.mensajes != std::vector{mensajes::ProcesoFinalizado()}) std::abort();
  // The new set, complete and readable, and nothing else.
  const Archivos nuevas = Leer(fuzz::Hvdat());
  for (TablaTrabajo tabla : TodasLasTablas()) {
    dbase::Table(fuzz::Hvdat() / (Definicion(tabla).nombre + ".DBF"), "")
        .Open(dbase::Access::Shared);
  }
  if (nuevas.size() != TodasLasTablas().size() + 1) std::abort();  // and DIASHORAST2.MDX
  return 0;
}
