// The dBase reader on arbitrary bytes, used as the conversions use the two tables that other
// programs write: as SOLUC (opened exclusively, scanned, read field by field, filtered on a
// teacher, searched) and as NIVELLARI.DBF (opened shared, searched by an integer). Bytes after
// a line "VADELTO-MDX" are the table's production index file.
//
// Only vadelto::Error may come out of the engine; anything else is a fault.

#include <string>

#include "soporte/unidad_fuzz.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/error.h"

namespace {

using vadelto::dbase::Table;

constexpr std::string_view kSeparadorMdx = "\nVADELTO-MDX\n";

template <typename Operacion>
void Intentar(Operacion operacion) {
  try {
    operacion();
  } catch (const vadelto::Error&) {
  }
}

// Every field of the current row in every way a caller reads one.
void LeerFila(Table& tabla) {
  for (const auto& campo : tabla.Fields()) {
    Intentar([&] { tabla.GetText(campo.name); });
    Intentar([&] { tabla.GetInteger(campo.name); });
    Intentar([&] { tabla.GetFloat(campo.name); });
    Intentar([&] { tabla.GetBoolean(campo.name); });
  }
}

void RecorrerSoluc(Table& soluc) {
  soluc.RecordCount();
  std::vector<std::string> profesores, filtros;
  for (soluc.First(); !soluc.Eof(); soluc.Next()) {
    LeerFila(soluc);
    if (profesores.size() < 3) Intentar([&] { profesores.push_back(soluc.GetText("PROF")); });
    if (!soluc.Fields().empty() && filtros.size() < 2) {
      Intentar([&] { filtros.push_back(soluc.GetText(soluc.Fields().front().name)); });
    }
  }
  // The import's filter per teacher, then its reading of each placed entry.
  for (const std::string& profesor : profesores) {
    Intentar([&] {
      soluc.SetFilter(vadelto::dbase::EqualsFilter("PROF", profesor));
      for (soluc.First(); !soluc.Eof(); soluc.Next()) {
        if (soluc.GetInteger("DIA") == 0) continue;
        soluc.GetText("DIA");
        soluc.GetInteger("HORA");
        soluc.GetText("ASIG");
        soluc.GetText("CODGRUPO");
        soluc.GetText("TAREA");
        soluc.GetText("AULA");
      }
    });
  }
  // The search the import makes for a subject and group, inside the last filter.
  for (const std::string& profesor : profesores) {
    Intentar([&] { soluc.Locate("ASIG;CODGRUPO", {profesor, "1A"}); });
    Intentar([&] { soluc.Locate("PROF", {profesor}); });
  }
  // A filter expression is only ever parsed: texts from the file make odd ones.
  for (const std::string& filtro : filtros) Intentar([&] { soluc.SetFilter(filtro); });
  Intentar([&] { soluc.SetFilter(""); });
  Intentar([&] { soluc.SelectIndex("ORDEN"); });
  for (soluc.First(); !soluc.Eof(); soluc.Next()) LeerFila(soluc);
}

void BuscarNiveles(Table& niveles) {
  std::vector<std::int32_t> claves{0, 6101};
  for (niveles.First(); !niveles.Eof() && claves.size() < 5; niveles.Next()) {
    Intentar([&] { claves.push_back(niveles.GetInteger("X_OFERTAMATRIG")); });
  }
  for (std::int32_t clave : claves) {
    Intentar([&] {
      if (niveles.LocateInteger("X_OFERTAMATRIG", clave)) {
        niveles.GetText("NIVEL_ABREV");
        niveles.GetText("ESTUDIO");
      }
    });
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vadelto;
  const std::string_view entrada = fuzz::Bytes(data, size);
  const std::size_t corte = entrada.find(kSeparadorMdx);
  const std::string_view dbf = entrada.substr(0, corte);
  const std::string_view mdx = corte == std::string_view::npos
                                   ? std::string_view()
                                   : entrada.substr(corte + kSeparadorMdx.size());

  const auto programa = fuzz::Raiz() / "programa";
  fuzz::Vaciar(fuzz::Hvdat());
  fuzz::Vaciar(programa);
  fuzz::Escribir(fuzz::Hvdat() / "SOLUC.DBF", dbf);
  fuzz::Escribir(programa / "NIVELLARI.DBF", dbf);
  if (corte != std::string_view::npos) {
    fuzz::Escribir(fuzz::Hvdat() / "SOLUC.MDX", mdx);
    fuzz::Escribir(programa / "NIVELLARI.MDX", mdx);
  }

  ComponentesTablas componentes(fuzz::Hvdat(), programa);
  Intentar([&] {
    componentes.wwTableSoluc.Abrir();
    RecorrerSoluc(*componentes.wwTableSoluc);
    componentes.wwTableSoluc.Cerrar();
  });
  Intentar([&] {
    componentes.wwTableNIVELEX.Abrir();
    BuscarNiveles(*componentes.wwTableNIVELEX);
    componentes.wwTableNIVELEX.Cerrar();
  });
  return 0;
}
