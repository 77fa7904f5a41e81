#include "export/diario_reemplazo.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <system_error>
#include <utility>

#include "exchange/atomic_file.h"
#include "tables/unidad.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCabecera = "vadelto-diario 1";
constexpr std::string_view kDiario = "diario";
// The file whose lock says that the folder's process is alive.
constexpr std::string_view kEnUso = "en-uso";

bool Existe(const fs::path& ruta) {
  std::error_code ec;
  return fs::symlink_status(ruta, ec).type() != fs::file_type::not_found;
}

// Makes the entries of a folder durable: the renames into and out of it.
void SincronizarCarpeta(const fs::path& carpeta) {
  const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

void SincronizarCarpetas(const std::vector<Movimiento>& movimientos) {
  std::set<fs::path> carpetas;
  for (const Movimiento& m : movimientos) {
    carpetas.insert(m.de.parent_path());
    carpetas.insert(m.a.parent_path());
  }
  for (const fs::path& carpeta : carpetas) SincronizarCarpeta(carpeta);
}

// A journal line names both files relative to the tables' folder, which they never leave.
std::optional<fs::path> Relativa(const fs::path& ruta, const fs::path& carpetaTablas) {
  const fs::path relativa = ruta.lexically_relative(carpetaTablas);
  const std::string texto = relativa.generic_string();
  if (relativa.empty() || relativa.is_absolute() || texto.starts_with("..") ||
      texto.find_first_of("\t\n") != std::string::npos) {
    return std::nullopt;
  }
  return relativa;
}

// The moves of a journal, or nothing when it is not one this program wrote.
std::optional<std::vector<Movimiento>> LeerDiario(const fs::path& diario,
                                                  const fs::path& carpetaTablas) {
  std::ifstream entrada(diario, std::ios::binary);
  std::string linea;
  if (!std::getline(entrada, linea) || linea != kCabecera) return std::nullopt;
  std::vector<Movimiento> movimientos;
  while (std::getline(entrada, linea)) {
    const std::size_t tab = linea.find('\t');
    if (tab == std::string::npos) return std::nullopt;
    const fs::path de = fs::path(linea.substr(0, tab)).lexically_normal();
    const fs::path a = fs::path(linea.substr(tab + 1)).lexically_normal();
    if (!Relativa(carpetaTablas / de, carpetaTablas) ||
        !Relativa(carpetaTablas / a, carpetaTablas)) {
      return std::nullopt;
    }
    movimientos.push_back({carpetaTablas / de, carpetaTablas / a});
  }
  if (entrada.bad()) return std::nullopt;
  return movimientos;
}

// How the user knows the folder that holds the old tables: C:\HVDAT\<staging>\anteriores.
std::string RotuloAnteriores(const fs::path& carpeta) {
  return std::string(kCarpetaHvdatWindows) + "\\" + AnsiDesdeUtf8(carpeta.filename().string()) +
         "\\" + std::string(kCarpetaAnteriores);
}

// One staging folder left behind: its moves undone, then the folder gone.
void Recuperar(const fs::path& carpetaTablas, const fs::path& carpeta) {
  const fs::path diario = carpeta / kDiario;
  dbase::OsFile enUso;
  switch (enUso.Open(carpeta / kEnUso, dbase::LockKind::Exclusive)) {
    case dbase::OsFile::Status::Locked:
      return;  // its export is under way
    case dbase::OsFile::Status::Failed:
      if (!Existe(diario)) return;
      throw Error(mensajes::ReemplazoInterrumpidoSinDeshacer(
          RotuloAnteriores(carpeta), mensajes::CausaSistema(enUso.LastError())));
    case dbase::OsFile::Status::Ok:
    case dbase::OsFile::Status::Missing:
      break;
  }
  if (Existe(diario)) {
    const auto movimientos = LeerDiario(diario, carpetaTablas);
    if (!movimientos) {
      throw Error(mensajes::ReemplazoInterrumpidoSinDeshacer(RotuloAnteriores(carpeta),
                                                             mensajes::DiarioIlegible()));
    }
    for (auto m = movimientos->rbegin(); m != movimientos->rend(); ++m) {
      if (Existe(m->de) || !Existe(m->a)) continue;  // not made, or already undone
      std::error_code ec;
      fs::rename(m->a, m->de, ec);
      if (ec) {
        throw Error(mensajes::ReemplazoInterrumpidoSinDeshacer(RotuloAnteriores(carpeta),
                                                               mensajes::CausaSistema(ec.value())));
      }
    }
    SincronizarCarpetas(*movimientos);
    std::error_code ec;
    if (!fs::remove(diario, ec) && ec) {
      throw Error(mensajes::ReemplazoInterrumpidoSinDeshacer(RotuloAnteriores(carpeta),
                                                             mensajes::CausaSistema(ec.value())));
    }
    SincronizarCarpeta(carpeta);
  }
  // What is left are the new tables of an export that did not finish, or the old ones of an
  // export that did: neither is needed.
  enUso.Close();
  std::error_code ec;
  fs::remove_all(carpeta, ec);
}

}  // namespace

DiarioReemplazo::DiarioReemplazo(fs::path carpetaTablas, fs::path carpetaProvisional)
    : carpetaTablas_(std::move(carpetaTablas)), carpeta_(std::move(carpetaProvisional)) {
  const fs::path enUso = carpeta_ / kEnUso;
  std::ofstream(enUso, std::ios::binary);
  if (bloqueo_.Open(enUso, dbase::LockKind::Exclusive) != dbase::OsFile::Status::Ok) {
    throw Error(mensajes::NoSeCreaCarpetaProvisional(mensajes::CausaSistema(bloqueo_.LastError())));
  }
}

void DiarioReemplazo::Anotar(const std::vector<Movimiento>& movimientos) {
  std::string texto(kCabecera);
  texto += '\n';
  for (const Movimiento& m : movimientos) {
    const auto de = Relativa(m.de, carpetaTablas_);
    const auto a = Relativa(m.a, carpetaTablas_);
    if (!de || !a) throw Error(mensajes::NoSeAnotaReemplazo());
    texto += de->generic_string() + '\t' + a->generic_string() + '\n';
  }
  AtomicFile diario(carpeta_ / kDiario);
  if (!diario.Write(texto) || !diario.Commit()) throw Error(mensajes::NoSeAnotaReemplazo());
  // The staging folder itself must survive a power cut with its journal.
  SincronizarCarpeta(carpetaTablas_);
  movimientos_ = movimientos;
}

void DiarioReemplazo::Cerrar() {
  SincronizarCarpetas(movimientos_);
  std::error_code ec;
  if (!fs::remove(carpeta_ / kDiario, ec) && ec) throw Error(mensajes::NoSeAnotaReemplazo());
  SincronizarCarpeta(carpeta_);
}

void DiarioReemplazo::Soltar() {
  bloqueo_.Close();
}

void RecuperarReemplazos(const fs::path& carpetaTablas) {
  std::vector<fs::path> carpetas;
  std::error_code ec;
  for (auto it = fs::directory_iterator(carpetaTablas, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    std::error_code tipo;
    if (it->path().filename().string().starts_with(kPrefijoCarpetaProvisional) &&
        it->is_directory(tipo)) {
      carpetas.push_back(it->path());
    }
  }
  for (const fs::path& carpeta : carpetas) Recuperar(carpetaTablas, carpeta);
}

}  // namespace vadelto
