#include "import/apoyo_importacion.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "text/error.h"

namespace vadelto::prueba {
namespace fs = std::filesystem;
namespace {

struct CampoDbase3 {
  const char* nombre;
  char tipo;
  int largo;
};

constexpr CampoDbase3 kCamposSoluc[] = {
    {"PROF", 'C', 10},     {"DIA", 'N', 1},    {"HORA", 'N', 2}, {"ASIG", 'C', 10},
    {"CODGRUPO", 'C', 10}, {"TAREA", 'C', 10}, {"AULA", 'C', 10}};

void Entero(std::string& bytes, std::uint32_t valor, int ancho) {
  for (int i = 0; i < ancho; ++i) bytes += static_cast<char>((valor >> (8 * i)) & 0xFF);
}

std::string Ajustar(const std::string& valor, const CampoDbase3& campo) {
  const std::string corto = valor.substr(0, campo.largo);
  const std::string relleno(campo.largo - corto.size(), ' ');
  return campo.tipo == 'N' ? relleno + corto : corto + relleno;
}

}  // namespace

void CrearConFilas(const fs::path& carpeta, TablaTrabajo tabla, const std::vector<Fila>& filas) {
  CrearTabla(carpeta, tabla);
  const std::string archivo = Definicion(tabla).nombre + ".DBF";
  dbase::Table t(ArchivoTabla(carpeta, archivo), RotuloTabla(archivo));
  t.Open(dbase::Access::Shared);
  for (const Fila& fila : filas) {
    t.Append();
    for (const auto& [campo, valor] : fila) t.SetText(campo, valor);
    t.Post();
  }
  t.Close();
}

std::string SolucDbase3(const std::vector<FilaSoluc>& filas) {
  const int campos = static_cast<int>(std::size(kCamposSoluc));
  int largoFila = 1;
  for (const CampoDbase3& campo : kCamposSoluc) largoFila += campo.largo;

  std::string bytes;
  bytes += '\x03';
  bytes += "\x6E\x06\x19";  // last update 2010-06-25
  Entero(bytes, static_cast<std::uint32_t>(filas.size()), 4);
  Entero(bytes, 32 + 32 * campos + 1, 2);
  Entero(bytes, largoFila, 2);
  bytes.append(17, '\0');
  bytes += '\x03';  // language driver: Windows ANSI
  bytes.append(2, '\0');
  for (const CampoDbase3& campo : kCamposSoluc) {
    std::string nombre(campo.nombre);
    nombre.resize(11, '\0');
    bytes += nombre;
    bytes += campo.tipo;
    bytes.append(4, '\0');
    bytes += static_cast<char>(campo.largo);
    bytes += '\0';  // decimals
    bytes.append(14, '\0');
  }
  bytes += '\x0D';
  for (const FilaSoluc& fila : filas) {
    const std::string* valores[] = {&fila.prof,     &fila.dia,   &fila.hora, &fila.asig,
                                    &fila.codgrupo, &fila.tarea, &fila.aula};
    bytes += ' ';
    for (int i = 0; i < campos; ++i) bytes += Ajustar(*valores[i], kCamposSoluc[i]);
  }
  bytes += '\x1A';
  return bytes;
}

void EscribirSolucDbase3(const fs::path& carpeta, const std::vector<FilaSoluc>& filas) {
  EscribirArchivo(carpeta / "SOLUC.DBF", SolucDbase3(filas));
}

void EscribirSolucNivel7(const fs::path& carpeta, const std::vector<FilaSoluc>& filas) {
  using dbase::FieldKind;
  const fs::path archivo = carpeta / "SOLUC.DBF";
  dbase::CreateTable(archivo, RotuloTabla("SOLUC.DBF"),
                     {{"PROF", FieldKind::Text, 10},
                      {"DIA", FieldKind::Integer},
                      {"HORA", FieldKind::Integer},
                      {"ASIG", FieldKind::Text, 10},
                      {"CODGRUPO", FieldKind::Text, 10},
                      {"TAREA", FieldKind::Text, 10},
                      {"AULA", FieldKind::Text, 10}});
  dbase::Table soluc(archivo, RotuloTabla("SOLUC.DBF"));
  soluc.Open(dbase::Access::Shared);
  for (const FilaSoluc& fila : filas) {
    soluc.Append();
    soluc.SetText("PROF", fila.prof);
    if (!fila.dia.empty()) soluc.SetInteger("DIA", std::stoi(fila.dia));
    if (!fila.hora.empty()) soluc.SetInteger("HORA", std::stoi(fila.hora));
    soluc.SetText("ASIG", fila.asig);
    soluc.SetText("CODGRUPO", fila.codgrupo);
    soluc.SetText("TAREA", fila.tarea);
    soluc.SetText("AULA", fila.aula);
    soluc.Post();
  }
  soluc.Close();
}

void EsperarTablasLibres(const fs::path& carpeta) {
  for (const char* nombre :
       {"SOLUC.DBF", "GRUPOST.DBF", "CURSOST.DBF", "PROFT.DBF", "AULAT.DBF", "ASIGNOMT.DBF",
        "ASIGNOMT2.DBF", "DIASHORAST.DBF", "ASIGT.DBF", "PERIODOS.DBF"}) {
    const fs::path archivo = ArchivoTabla(carpeta, nombre);
    if (!fs::exists(archivo)) continue;
    dbase::Table tabla(archivo, RotuloTabla(nombre));
    try {
      tabla.Open(dbase::Access::Exclusive);
      tabla.Close();
    } catch (const Error& error) {
      ADD_FAILURE() << nombre << " sigue abierta: " << error.Mensaje();
    }
  }
}

}  // namespace vadelto::prueba
