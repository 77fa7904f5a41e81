#include "export/reemplazo_tablas.h"

#include <fmt/format.h>

#include <random>
#include <set>
#include <system_error>

#include "export/diario_reemplazo.h"
#include "tables/dbase/os_file.h"
#include "tables/tablas_trabajo.h"
#include "tables/unidad.h"
#include "text/conversion.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kJornadas = "JORNADAS.DBF";

// Lower-cased names of the files a set of working tables is made of, and of JORNADAS.DBF, which
// earlier versions left and no export creates.
const std::set<std::string>& ArchivosDeTablas() {
  static const std::set<std::string> archivos = [] {
    std::set<std::string> nombres{MinusculasAscii(kJornadas)};
    for (TablaTrabajo tabla : TodasLasTablas()) {
      nombres.insert(MinusculasAscii(Definicion(tabla).nombre + ".dbf"));
      nombres.insert(MinusculasAscii(Definicion(tabla).nombre + ".mdx"));
    }
    return nombres;
  }();
  return archivos;
}

bool EsArchivoDeTabla(const fs::directory_entry& entrada) {
  std::error_code ec;
  return !entrada.is_directory(ec) &&
         ArchivosDeTablas().contains(MinusculasAscii(entrada.path().filename().string()));
}

std::string Motivo(const std::exception& fallo) {
  if (const auto* sistema = dynamic_cast<const fs::filesystem_error*>(&fallo)) {
    return mensajes::CausaSistema(sistema->code().value());
  }
  if (const auto* propio = dynamic_cast<const Error*>(&fallo)) return propio->Mensaje();
  return fallo.what();
}

fs::path CrearCarpetaProvisional(const fs::path& carpetaTablas) {
  std::random_device azar;
  std::error_code ec;
  for (int intento = 0; intento < 100; ++intento) {
    const fs::path carpeta =
        carpetaTablas / fmt::format("{}{:08x}", kPrefijoCarpetaProvisional, azar());
    if (fs::create_directory(carpeta, ec)) return carpeta;
    if (ec) break;
  }
  if (!ec) ec = std::make_error_code(std::errc::file_exists);
  throw Error(mensajes::NoSeCreaCarpetaProvisional(mensajes::CausaSistema(ec.value())));
}

}  // namespace

void RenombradorDisco::Renombrar(const fs::path& de, const fs::path& a) {
  fs::rename(de, a);
}

ReemplazoTablas::ReemplazoTablas(fs::path carpetaTablas)
    : carpetaTablas_(std::move(carpetaTablas)),
      provisional_(CrearCarpetaProvisional(carpetaTablas_)),
      respaldo_(provisional_ / kCarpetaAnteriores) {
  std::error_code ec;
  try {
    diario_.emplace(carpetaTablas_, provisional_);
  } catch (const Error&) {
    fs::remove_all(provisional_, ec);
    throw;
  }
  if (!fs::create_directory(respaldo_, ec)) {
    diario_->Soltar();
    fs::remove_all(provisional_, ec);
    throw Error(mensajes::NoSeCreaCarpetaProvisional(mensajes::CausaSistema(ec.value())));
  }
}

ReemplazoTablas::~ReemplazoTablas() {
  diario_->Soltar();
  if (conservar_) return;  // with its journal, for the next recovery
  std::error_code ec;
  fs::remove_all(provisional_, ec);
}

void ReemplazoTablas::ComprobarLibres(const Plan& plan) const {
  for (const Movimiento& anterior : plan.apartar) {
    if (dbase::InUse(anterior.de)) {
      throw Error(
          mensajes::ArchivoAbiertoEnOtroPrograma(RotuloTabla(anterior.de.filename().string())));
    }
  }
}

ReemplazoTablas::Plan ReemplazoTablas::Planificar() const {
  Plan plan;
  for (const auto& entrada : fs::directory_iterator(carpetaTablas_)) {
    if (EsArchivoDeTabla(entrada)) {
      plan.apartar.push_back({entrada.path(), respaldo_ / entrada.path().filename()});
    }
  }
  for (const auto& entrada : fs::directory_iterator(provisional_)) {
    if (EsArchivoDeTabla(entrada)) {
      plan.colocar.push_back({entrada.path(), carpetaTablas_ / entrada.path().filename()});
    }
  }
  return plan;
}

void ReemplazoTablas::Reemplazar(Renombrador& renombrador) {
  Plan plan;
  try {
    plan = Planificar();
  } catch (const fs::filesystem_error& fallo) {
    throw Error(mensajes::NoSeColocanTablas(mensajes::CausaSistema(fallo.code().value())));
  }
  ComprobarLibres(plan);
  Ejecutar(plan, renombrador);
}

void ReemplazoTablas::Ejecutar(const Plan& plan, Renombrador& renombrador) {
  std::vector<Movimiento> todos = plan.apartar;
  todos.insert(todos.end(), plan.colocar.begin(), plan.colocar.end());
  diario_->Anotar(todos);  // nothing has moved if this fails
  std::vector<const Movimiento*> hechos;
  const Movimiento* actual = nullptr;
  try {
    for (const auto* movimientos : {&plan.apartar, &plan.colocar}) {
      for (const Movimiento& movimiento : *movimientos) {
        actual = &movimiento;
        renombrador.Renombrar(movimiento.de, movimiento.a);
        hechos.push_back(actual);
      }
    }
    actual = nullptr;
    diario_->Cerrar();  // the new set is in place for good
  } catch (const std::exception& fallo) {
    const std::string motivo =
        actual ? RotuloTabla(actual->de.filename().string()) + ": " + Motivo(fallo) : Motivo(fallo);
    for (auto hecho = hechos.rbegin(); hecho != hechos.rend(); ++hecho) {
      try {
        renombrador.Renombrar((*hecho)->a, (*hecho)->de);
      } catch (const std::exception&) {
        conservar_ = true;  // the backup folder may hold the only copy of an old table
      }
    }
    if (!conservar_) {
      try {
        diario_->Cerrar();
      } catch (const Error&) {
        // Everything is back: a recovery that finds the journal has nothing to undo.
      }
    }
    if (conservar_) {
      // Named as the user knows the folder: C:\HVDAT\<staging>\anteriores.
      const std::string respaldo = std::string(kCarpetaHvdatWindows) + "\\" +
                                   AnsiDesdeUtf8(provisional_.filename().string()) + "\\" +
                                   respaldo_.filename().string();
      throw Error(mensajes::TablasAnterioresApartadas(respaldo, motivo));
    }
    throw Error(mensajes::NoSeColocanTablas(motivo));
  }
}

}  // namespace vadelto
