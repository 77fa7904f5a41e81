// vadelto-bench: times the export and the import on synthetic schools of sizes S, M and L
// against their floor (parsing the same document with libxml2, writing and reading back as
// many table bytes), with each size's peak memory. Run by hand: vadelto-bench [S] [M] [L].

#include <fcntl.h>
#include <libxml/parser.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "export/exportar.h"
#include "import/importar.h"
#include "sesion/interfaz.h"
#include "sesion/sesion.h"
#include "sintetico.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace {
namespace fs = std::filesystem;
using namespace vadelto;

class InterfazBanco : public Interfaz {
 public:
  explicit InterfazBanco(fs::path documento) : documento_(std::move(documento)) {}
  std::optional<fs::path> ElegirDocumento() override { return documento_; }
  void MostrarMensaje(const std::string&) override {}
  void RelojDeArena(bool) override {}
  std::string ElegirPlantilla(const fs::path&) override { return "J1"; }
  void DesactivarBotones() override {}
  void CerrarVentana() override {}

 private:
  fs::path documento_;
};

double Segundos(const std::function<void()>& accion) {
  const auto inicio = std::chrono::steady_clock::now();
  accion();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

std::uintmax_t BytesDeTablas(const fs::path& carpeta) {
  std::uintmax_t total = 0;
  for (const auto& entrada : fs::directory_iterator(carpeta)) total += entrada.file_size();
  return total;
}

// What no conversion can beat: the document parsed by libxml2, and `bytes` written to a
// file, made durable and read back.
double Suelo(const fs::path& documento, std::uintmax_t bytes, const fs::path& carpeta) {
  return Segundos([&] {
    xmlDocPtr doc = xmlReadFile(documento.c_str(), nullptr, XML_PARSE_NONET);
    if (!doc) std::abort();
    xmlFreeDoc(doc);
    const fs::path archivo = carpeta / "suelo.bin";
    const std::string datos(bytes, 'x');
    const int fd = ::open(archivo.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    if (fd < 0 || ::write(fd, datos.data(), datos.size()) != static_cast<ssize_t>(datos.size()) ||
        ::fsync(fd) != 0 || ::close(fd) != 0) {
      std::abort();
    }
    std::ifstream entrada(archivo, std::ios::binary);
    std::string leido(bytes, '\0');
    entrada.read(leido.data(), static_cast<std::streamsize>(bytes));
    fs::remove(archivo);
  });
}

struct Cifras {
  double exportacion, sueloExportacion, importacion, sueloImportacion;
  long picoKiB;
};

// One size, in a child process so each size's peak memory is its own.
Cifras Medir(const sintetico::Tamano& tamano) {
  char plantilla[] = "/tmp/vadelto-bench-XXXXXX";
  if (!mkdtemp(plantilla)) std::abort();
  const fs::path raiz = plantilla;
  setenv("WINEPREFIX", raiz.c_str(), 1);
  const fs::path hvdat = raiz / "drive_c" / "HVDAT";
  const fs::path programa = raiz / "programa";
  const fs::path documentos = raiz / "documentos";
  for (const fs::path& carpeta : {hvdat, programa, documentos}) fs::create_directories(carpeta);
  sintetico::EscribirNiveles(programa);
  const fs::path documento = documentos / "racima.xml";
  std::ofstream(documento, std::ios::binary) << sintetico::DocumentoXml(tamano, 1, false);

  Sesion sesion;
  sesion.CarpetaPrograma = programa;
  sesion.CarpetaTablas = hvdat;
  InterfazBanco interfaz(documento);
  Cifras cifras{};
  try {
    cifras.exportacion = Segundos([&] { BExportarClick(sesion, interfaz); });
    cifras.sueloExportacion = Suelo(documento, BytesDeTablas(hvdat), raiz);
    sintetico::EscribirSoluc(hvdat, tamano, 2);
    cifras.importacion = Segundos([&] { BImportarClick(sesion, interfaz); });
    const fs::path resultado = documentos / "ResultadoHoravelracima.xml";
    cifras.sueloImportacion =
        Suelo(documento, BytesDeTablas(hvdat) + fs::file_size(resultado), raiz);
  } catch (const Error& error) {
    std::fprintf(stderr, "error: %s\n", Utf8DesdeAnsi(error.Mensaje()).c_str());
    std::exit(1);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "error: %s\n", error.what());
    std::exit(1);
  }
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  cifras.picoKiB = uso.ru_maxrss;
  fs::remove_all(raiz);
  return cifras;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> pedidos(argv + 1, argv + argc);
  if (pedidos.empty()) pedidos = {"S", "M", "L"};
  const std::map<std::string, int> veces{{"S", 1}, {"M", 10}, {"L", 100}};
  std::map<std::string, Cifras> medidas;
  for (const std::string& nombre : pedidos) {
    if (!veces.contains(nombre)) {
      std::fprintf(stderr, "uso: vadelto-bench [S] [M] [L]\n");
      return 2;
    }
    const sintetico::Tamano tamano = sintetico::Escalado(sintetico::TamanoS(), veces.at(nombre));
    int tubo[2];
    if (pipe(tubo) != 0) return 1;
    const pid_t hijo = fork();
    if (hijo == 0) {
      close(tubo[0]);
      const Cifras cifras = Medir(tamano);
      if (write(tubo[1], &cifras, sizeof cifras) != sizeof cifras) _exit(1);
      _exit(0);
    }
    close(tubo[1]);
    Cifras cifras{};
    const bool leidas = read(tubo[0], &cifras, sizeof cifras) == sizeof cifras;
    close(tubo[0]);
    int estado = 0;
    waitpid(hijo, &estado, 0);
    if (!leidas || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
      std::fprintf(stderr, "%s: the measurement failed (status %d)\n", nombre.c_str(), estado);
      return 1;
    }
    medidas[nombre] = cifras;
    std::printf(
        "%s (%d teachers, %d offerings, %d groups, %d entries): export %.3f s (floor %.3f s, "
        "x%.2f)  import %.3f s (floor %.3f s, x%.2f)  peak %.1f MiB\n",
        nombre.c_str(), tamano.profesores, tamano.ofertas, tamano.grupos, tamano.entradas,
        cifras.exportacion, cifras.sueloExportacion, cifras.exportacion / cifras.sueloExportacion,
        cifras.importacion, cifras.sueloImportacion, cifras.importacion / cifras.sueloImportacion,
        static_cast<double>(cifras.picoKiB) / 1024.0);
    std::fflush(stdout);
  }
  if (medidas.contains("M") && medidas.contains("L")) {
    const Cifras& m = medidas["M"];
    const Cifras& l = medidas["L"];
    std::printf("growth L/M: export x%.2f  import x%.2f\n", l.exportacion / m.exportacion,
                l.importacion / m.importacion);
  }
  return 0;
}
