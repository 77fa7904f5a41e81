// The whole import over a small school's working tables, with SOLUC rows from the fuzzer:
// the input's first byte picks how SOLUC is written (dBase III or FoxPro with numeric DIA and
// HORA, Visual FoxPro with integers), the rest fills its records byte for byte. The import
// must end with "Proceso finalizado" and a result document that loads again, or with a
// vadelto::Error; it must never touch the working tables.

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "exchange/xml_document.h"
#include "import/importar.h"
#include "soporte/unidad_fuzz.h"
#include "tables/tablas_trabajo.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace {
namespace fs = std::filesystem;
using namespace vadelto;

using Fila = std::vector<std::pair<std::string, std::string>>;

void ConFilas(TablaTrabajo tabla, const std::vector<Fila>& filas) {
  RecrearTabla(fuzz::Hvdat(), tabla);
  auto objeto = ObjetoTabla(fuzz::Hvdat(), Definicion(tabla).nombre + ".DBF");
  objeto->Open(dbase::Access::Exclusive);
  for (const Fila& fila : filas) {
    objeto->Append();
    for (const auto& [campo, valor] : fila) objeto->SetText(campo, valor);
    objeto->Post();
  }
  objeto->Close();
}

// What the export of a small school leaves, with the odd values a timetable may meet: a
// teacher code with a quote, a blank one, a clock time that is no time.
void CrearTablas() {
  ConFilas(TablaTrabajo::PROFT,
           {{{"ABREV", "ANA"}, {"X_EMPLEADO", "81000"}, {"F_TOMAPOS", "01/09/2010"}},
            {{"ABREV", "O'H"}, {"X_EMPLEADO", "81001"}},
            {{"ABREV", ""}, {"X_EMPLEADO", "81002"}}});
  ConFilas(TablaTrabajo::ASIGT,
           {{{"CASIG", "MAT"}, {"CGRUP", "1A"}, {"CLAVE", "500"}, {"CLAVECURSO", "6101"}}});
  ConFilas(TablaTrabajo::ASIGNOMT,
           {{{"COD", "MAT"}, {"CODTAREA", "7"}}, {{"COD", "GUA"}, {"CODTAREA", "2"}}});
  ConFilas(TablaTrabajo::ASIGNOMT2,
           {{{"COD", "LEN"}, {"OFERTAMATRI", "6101"}, {"MATERIA", "501"}}});
  ConFilas(TablaTrabajo::GRUPOST, {{{"ABREV", "1A"}, {"CLAVE", "7101"}, {"CLAVECURSO", "6101"}}});
  ConFilas(TablaTrabajo::DIASHORAST, {{{"DIHO", "11"},
                                       {"DIA", "1"},
                                       {"CODDIHO", "100"},
                                       {"HORADESDE", "08:30"},
                                       {"HORAHASTA", "09:25"}},
                                      {{"DIHO", "12"},
                                       {"DIA", "1"},
                                       {"CODDIHO", "101"},
                                       {"HORADESDE", "9:5"},
                                       {"HORAHASTA", ""}}});
  ConFilas(TablaTrabajo::AULAT, {{{"ABREV", "0234"}, {"DEPCENTRO", "10234"}}});
  ConFilas(TablaTrabajo::CURSOST, {});
  ConFilas(TablaTrabajo::PERIODOS, {{{"FECINI", "15/09/2026"}, {"FECFIN", "19/06/2027"}}});
}

struct CampoSoluc {
  const char* nombre;
  char tipo;
  int longitud;
};

// A table header by hand, as other programs write it: 32-byte descriptors, the terminator,
// and for Visual FoxPro the 263-byte backlink.
std::string Encabezado(std::uint8_t version, const std::vector<CampoSoluc>& campos,
                       std::uint32_t registros) {
  const bool visualFox = version == 0x30;
  const std::size_t longitud = 32 + 32 * campos.size() + 1 + (visualFox ? 263 : 0);
  std::size_t registro = 1;
  for (const CampoSoluc& c : campos) registro += static_cast<std::size_t>(c.longitud);
  std::string h(longitud, '\0');
  h[0] = static_cast<char>(version);
  h[1] = 126, h[2] = 9, h[3] = 1;
  for (int i = 0; i < 4; ++i) h[4 + i] = static_cast<char>(registros >> (8 * i));
  h[8] = static_cast<char>(longitud & 0xFF), h[9] = static_cast<char>(longitud >> 8);
  h[10] = static_cast<char>(registro & 0xFF), h[11] = static_cast<char>(registro >> 8);
  std::size_t desplazamiento = 1;
  for (std::size_t i = 0; i < campos.size(); ++i) {
    char* d = &h[32 + 32 * i];
    std::string_view(campos[i].nombre).copy(d, 10);
    d[11] = campos[i].tipo;
    if (visualFox) d[12] = static_cast<char>(desplazamiento);
    d[16] = static_cast<char>(campos[i].longitud);
    desplazamiento += static_cast<std::size_t>(campos[i].longitud);
  }
  h[32 + 32 * campos.size()] = 0x0D;
  return h;
}

std::string Soluc(std::string_view entrada) {
  const std::uint8_t forma = entrada.empty() ? 0 : static_cast<std::uint8_t>(entrada[0]) % 3;
  if (!entrada.empty()) entrada.remove_prefix(1);
  const bool enteros = forma == 2;
  const std::vector<CampoSoluc> campos = {{"PROF", 'C', 10},
                                          {"DIA", enteros ? 'I' : 'N', enteros ? 4 : 1},
                                          {"HORA", enteros ? 'I' : 'N', enteros ? 4 : 2},
                                          {"ASIG", 'C', 10},
                                          {"CODGRUPO", 'C', 10},
                                          {"TAREA", 'C', 10},
                                          {"AULA", 'C', 4}};
  std::size_t registro = 1;
  for (const CampoSoluc& c : campos) registro += static_cast<std::size_t>(c.longitud);
  std::string filas(entrada);
  if (filas.size() % registro) filas.append(registro - filas.size() % registro, ' ');
  const std::uint8_t versiones[] = {0x03, 0xF5, 0x30};
  return Encabezado(versiones[forma], campos, static_cast<std::uint32_t>(filas.size() / registro)) +
         filas + '\x1A';
}

std::map<std::string, std::string> Tablas() {
  std::map<std::string, std::string> archivos;
  for (const auto& entrada : fs::directory_iterator(fuzz::Hvdat())) {
    if (entrada.path().filename() == "SOLUC.DBF") continue;
    std::ifstream archivo(entrada.path(), std::ios::binary);
    archivos[entrada.path().filename()] = {std::istreambuf_iterator<char>(archivo), {}};
  }
  return archivos;
}

const fs::path& Documento() {
  static const fs::path ruta = [] {
    CrearTablas();
    const fs::path carpeta = fuzz::Raiz() / "racima";
    fs::create_directories(carpeta);
    fuzz::Escribir(carpeta / "horarios.xml",
                   "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<SERVICIO><BLOQUE_DATOS>"
                   "<grupo_datos seq=\"ANNO_ACADEMICO\"><dato>2026</dato></grupo_datos>"
                   "</BLOQUE_DATOS></SERVICIO>\n");
    return carpeta / "horarios.xml";
  }();
  return ruta;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& documento = Documento();
  static const std::map<std::string, std::string> tablas = Tablas();
  const fs::path resultado = documento.parent_path() / "ResultadoHoravelhorarios.xml";
  fs::remove(resultado);
  fuzz::Escribir(fuzz::Hvdat() / "SOLUC.DBF", Soluc(fuzz::Bytes(data, size)));

  Sesion sesion;
  sesion.CarpetaTablas = fuzz::Hvdat();
  sesion.CarpetaPrograma = fuzz::Raiz();
  fuzz::InterfazFuzz interfaz(documento);
  try {
    BImportarClick(sesion, interfaz);
    if (interfaz.mensajes != std::vector{mensajes::ProcesoFinalizado()}) std::abort();
    xml::Document escrito;
    escrito.load(resultado);
    if (!escrito.loaded()) std::abort();
  } catch (const Error&) {
    if (fs::exists(resultado)) std::abort();
  }
  if (Tablas() != tablas) std::abort();
  return 0;
}
