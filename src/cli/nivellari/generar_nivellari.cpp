// Writes NIVELLARI.DBF, the level table installed beside the programs, from its CSV source:
//   generar-nivellari data/nivellari.csv build/bin/NIVELLARI.DBF
// The CSV is UTF-8, a header line, then one line per course offering: its Racima id, the
// abbreviation of its level and the name of its course of study, separated by commas.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "tables/dbase/table.h"
#include "text/clipper.h"
#include "text/conversion.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace {

using vadelto::Error;

constexpr int kAnchoNivel = 10;
constexpr int kAnchoEstudio = 80;

struct Nivel {
  std::int32_t oferta;
  std::string nivel;    // Windows-1252
  std::string estudio;  // Windows-1252
};

std::vector<std::string> Campos(const std::string& linea) {
  std::vector<std::string> campos(1);
  for (char c : linea) {
    if (c == ',')
      campos.emplace_back();
    else
      campos.back() += c;
  }
  for (auto& campo : campos) campo = vadelto::TrimEspacios(campo);
  return campos;
}

std::vector<Nivel> LeerCsv(const std::filesystem::path& csv) {
  std::ifstream entrada(csv);
  if (!entrada) throw Error("no se puede leer " + csv.string());
  std::vector<Nivel> niveles;
  std::set<std::int32_t> ofertas;
  std::string linea;
  std::getline(entrada, linea);  // the header
  for (int numero = 2; std::getline(entrada, linea); ++numero) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    if (vadelto::TrimEspacios(linea).empty()) continue;
    const auto campos = Campos(linea);
    const std::string donde = csv.string() + ":" + std::to_string(numero) + ": ";
    if (campos.size() != 3) throw Error(donde + "se esperaban 3 campos");
    Nivel nivel{0, vadelto::AnsiDesdeUtf8(campos[1]), vadelto::AnsiDesdeUtf8(campos[2])};
    if (!vadelto::EsEntero(campos[0], &nivel.oferta))
      throw Error(donde + "la oferta no es un entero");
    if (!ofertas.insert(nivel.oferta).second) throw Error(donde + "oferta repetida");
    if (nivel.nivel.size() > kAnchoNivel || nivel.estudio.size() > kAnchoEstudio) {
      throw Error(donde + "texto demasiado largo");
    }
    niveles.push_back(std::move(nivel));
  }
  return niveles;
}

void EscribirTabla(const std::filesystem::path& dbf, const std::vector<Nivel>& niveles) {
  using vadelto::dbase::FieldKind;
  const std::string rotulo = "NIVELLARI.DBF";
  vadelto::dbase::CreateTable(dbf, rotulo,
                              {{"X_OFERTAMATRIG", FieldKind::Integer},
                               {"NIVEL_ABREV", FieldKind::Text, kAnchoNivel},
                               {"ESTUDIO", FieldKind::Text, kAnchoEstudio}});
  vadelto::dbase::Table tabla(dbf, rotulo);
  tabla.Open(vadelto::dbase::Access::Exclusive);
  for (const Nivel& nivel : niveles) {
    tabla.Append();
    tabla.SetInteger("X_OFERTAMATRIG", nivel.oferta);
    tabla.SetText("NIVEL_ABREV", nivel.nivel);
    tabla.SetText("ESTUDIO", nivel.estudio);
    tabla.Post();
  }
  tabla.Close();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "uso: generar-nivellari NIVELLARI.CSV NIVELLARI.DBF\n";
    return 2;
  }
  try {
    EscribirTabla(argv[2], LeerCsv(argv[1]));
  } catch (const std::exception& fallo) {
    const auto* propio = dynamic_cast<const Error*>(&fallo);
    std::cerr << "generar-nivellari: "
              << (propio ? vadelto::Utf8DesdeAnsi(propio->Mensaje()) : fallo.what()) << '\n';
    std::error_code ec;
    std::filesystem::remove(argv[2], ec);
    return 1;
  }
  return 0;
}
