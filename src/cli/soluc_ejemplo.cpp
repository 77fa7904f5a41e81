// vadelto-cli soluc-ejemplo [CARPETA]: a plausible solved timetable over the tables the
// export left (C:\HVDAT unless a folder is given), written as a timetabling program writes
// SOLUC.DBF, so the import can be shown without Horavel. Deterministic: the same tables give
// the same SOLUC.

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/consola.h"
#include "cli/subcomandos.h"
#include "export/diario_reemplazo.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "tables/unidad.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::cli {
namespace {
namespace fs = std::filesystem;

struct Hueco {
  int dia;
  int hora;
};

struct Entrada {
  std::string prof;
  Hueco hueco{0, 0};  // DIA 0: not placed
  std::string asig, grupo, tarea, aula;
};

std::optional<int> Numero(const std::string& texto, int mayor) {
  int valor = 0;
  const auto fin = texto.data() + texto.size();
  const auto [p, ec] = std::from_chars(texto.data(), fin, valor);
  if (ec != std::errc() || p != fin || valor < 1 || valor > mayor) return std::nullopt;
  return valor;
}

// Rows of a working table, read through `leer`.
template <class Leer>
void Recorrer(const fs::path& carpeta, std::string_view nombre, Leer&& leer) {
  const std::string archivo = std::string(nombre) + ".DBF";
  dbase::Table tabla(ArchivoTabla(carpeta, archivo), RotuloTabla(archivo));
  tabla.Open(dbase::Access::Shared);
  for (tabla.First(); !tabla.Eof(); tabla.Next()) leer(tabla);
  tabla.Close();
}

// The slots SOLUC can name: DIA one digit, HORA two; the order a program fills them in.
std::vector<Hueco> Huecos(const fs::path& carpeta) {
  std::set<std::pair<int, int>> vistos;
  Recorrer(carpeta, "DIASHORAST", [&](const dbase::Table& t) {
    const auto dia = Numero(t.GetText("DIA"), 9);
    const auto hora = Numero(t.GetText("HORA"), 99);
    if (dia && hora && t.GetText("DIHO") == t.GetText("DIA") + t.GetText("HORA")) {
      vistos.insert({*hora, *dia});
    }
  });
  std::vector<Hueco> huecos;
  for (const auto& [hora, dia] : vistos) huecos.push_back({dia, hora});
  return huecos;
}

class Planificador {
 public:
  explicit Planificador(std::vector<Hueco> huecos) : huecos_(std::move(huecos)) {}

  // The first slot from `desde` on where neither the teacher nor the group is busy.
  std::optional<Hueco> Colocar(const std::string& prof, const std::string& grupo,
                               std::size_t desde) {
    for (std::size_t i = 0; i < huecos_.size(); ++i) {
      const Hueco h = huecos_[(desde + i) % huecos_.size()];
      const auto clave = std::make_pair(h.dia, h.hora);
      if (ocupados_[prof].contains(clave)) continue;
      if (!grupo.empty() && ocupados_["\x01" + grupo].contains(clave)) continue;
      ocupados_[prof].insert(clave);
      if (!grupo.empty()) ocupados_["\x01" + grupo].insert(clave);
      return h;
    }
    return std::nullopt;
  }

 private:
  std::vector<Hueco> huecos_;
  std::map<std::string, std::set<std::pair<int, int>>> ocupados_;
};

std::vector<Entrada> Solucion(const fs::path& carpeta) {
  std::vector<std::string> profesores;
  Recorrer(carpeta, "PROFT",
           [&](const dbase::Table& t) { profesores.push_back(t.GetText("ABREV")); });
  std::vector<std::string> aulas;
  Recorrer(carpeta, "AULAT", [&](const dbase::Table& t) { aulas.push_back(t.GetText("ABREV")); });
  std::vector<std::pair<std::string, std::string>> tareas;  // COD, CODTAREA
  Recorrer(carpeta, "ASIGNOMT", [&](const dbase::Table& t) {
    if (t.GetBoolean("ESTAREA").value_or(false)) {
      tareas.push_back({t.GetText("COD"), t.GetText("CODTAREA")});
    }
  });
  const std::vector<Hueco> huecos = Huecos(carpeta);
  if (profesores.empty() || huecos.empty()) return {};

  Planificador plan(huecos);
  std::vector<Entrada> entradas;
  std::size_t fila = 0;
  Recorrer(carpeta, "ASIGT", [&](const dbase::Table& t) {
    const std::string prof =
        t.GetText("CPROF").empty() ? profesores[fila % profesores.size()] : t.GetText("CPROF");
    const double horas = t.GetFloat("HORAS").value_or(0);
    const int sesiones = horas >= 1 && horas <= 8 ? static_cast<int>(std::lround(horas)) : 4;
    const std::string aula = t.GetText("CAULA").empty() && !aulas.empty()
                                 ? aulas[fila % aulas.size()]
                                 : t.GetText("CAULA");
    for (int s = 0; s < sesiones; ++s) {
      Entrada e{prof, {0, 0}, t.GetText("CASIG"), t.GetText("CGRUP"), "", aula};
      // Every seventh subject offering keeps one session the timetable could not place.
      const bool sinColocar = fila % 7 == 3 && s == sesiones - 1;
      if (!sinColocar) {
        if (auto h = plan.Colocar(prof, e.grupo, fila * 5 + static_cast<std::size_t>(s) * 7)) {
          e.hueco = *h;
        }
      }
      entradas.push_back(std::move(e));
    }
    ++fila;
  });
  // Duties: every third teacher gets one activity placed, with no group.
  for (std::size_t p = 0; p < profesores.size() && !tareas.empty(); p += 3) {
    const auto& [cod, tarea] = tareas[(p / 3) % tareas.size()];
    Entrada e{profesores[p], {0, 0}, cod, "", tarea, ""};
    if (auto h = plan.Colocar(profesores[p], "", p * 3)) e.hueco = *h;
    entradas.push_back(std::move(e));
  }
  return entradas;
}

void EscribirSoluc(const fs::path& carpeta, const std::vector<Entrada>& entradas) {
  const fs::path archivo = ArchivoTabla(carpeta, "SOLUC.DBF");
  const std::string rotulo = RotuloTabla("SOLUC.DBF");
  using dbase::FieldKind;
  dbase::CreateDBase3Table(archivo, rotulo,
                           {{"PROF", FieldKind::Text, 10},
                            {"DIA", FieldKind::Integer, 1},
                            {"HORA", FieldKind::Integer, 2},
                            {"ASIG", FieldKind::Text, 10},
                            {"CODGRUPO", FieldKind::Text, 10},
                            {"TAREA", FieldKind::Text, 10},
                            {"AULA", FieldKind::Text, 10}});
  dbase::Table soluc(archivo, rotulo);
  soluc.Open(dbase::Access::Exclusive);
  for (const Entrada& e : entradas) {
    soluc.Append();
    soluc.SetText("PROF", e.prof);
    soluc.SetInteger("DIA", e.hueco.dia);
    soluc.SetInteger("HORA", e.hueco.hora);
    soluc.SetText("ASIG", e.asig);
    soluc.SetText("CODGRUPO", e.grupo);
    soluc.SetText("TAREA", e.tarea);
    soluc.SetText("AULA", e.aula);
    soluc.Post();
  }
  soluc.Close();
}

}  // namespace

int SolucEjemplo(const Argumentos& argumentos) {
  if (argumentos.resto.size() > 1 ||
      (!argumentos.resto.empty() && argumentos.resto[0].starts_with("--"))) {
    Escribir(mensajes::UsoCli());
    return kUsoIncorrecto;
  }
  const fs::path carpeta =
      argumentos.resto.empty() ? CarpetaHvdat() : fs::path(argumentos.resto[0]);
  try {
    RecuperarReemplazos(carpeta);  // it reads the exported tables: an export cut short is undone
    const std::vector<Entrada> entradas = Solucion(carpeta);
    EscribirSoluc(carpeta, entradas);
    int colocadas = 0;
    for (const Entrada& e : entradas) colocadas += e.hueco.dia != 0 ? 1 : 0;
    Escribir(mensajes::SolucEjemploEscrita(static_cast<int>(entradas.size()), colocadas));
  } catch (const Error& error) {
    Escribir(ConPuntoFinal(error.Mensaje()));
    return kNoTerminado;
  }
  return kTerminado;
}

}  // namespace vadelto::cli
