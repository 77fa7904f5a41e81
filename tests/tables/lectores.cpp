#include "lectores.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "tables/dbase/table.h"

namespace vadelto::prueba {
namespace fs = std::filesystem;

Salida Ejecutar(const std::string& orden) {
  Salida salida{-1, {}};
  FILE* tubo = popen(("timeout 120 " + orden + " 2>&1").c_str(), "r");
  if (!tubo) return salida;
  std::array<char, 4096> trozo{};
  std::size_t leidos = 0;
  while ((leidos = fread(trozo.data(), 1, trozo.size(), tubo)) > 0)
    salida.texto.append(trozo.data(), leidos);
  const int estado = pclose(tubo);
  salida.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  return salida;
}

std::string Comillas(const fs::path& ruta) {
  return "'" + ruta.string() + "'";
}

std::string Hex(std::string_view bytes) {
  static const char kDigitos[] = "0123456789ABCDEF";
  std::string texto;
  for (unsigned char c : bytes) {
    texto += kDigitos[c >> 4];
    texto += kDigitos[c & 15];
  }
  return texto;
}

std::optional<fs::path> DbfCheck() {
  const fs::path programa = fs::path(VADELTO_BIN_DIR) / "dbfcheck";
  if (!fs::exists(programa)) return std::nullopt;
  return programa;
}

bool HayDbfread() {
  return Ejecutar("/usr/bin/python3 -c 'import dbfread'").estado == 0;
}

namespace {

// Readers differ on an all-blank text (TDbf: null, dbfread: empty text); both mean blank.
std::string Normal(std::string token) {
  return token == "x" ? "<null>" : token;
}

TablaLeida Interpretar(const std::string& texto) {
  TablaLeida tabla;
  std::istringstream lineas(texto);
  std::string linea;
  bool fin = false;
  while (std::getline(lineas, linea)) {
    if (linea.rfind("field ", 0) == 0) {
      tabla.campos.push_back(linea.substr(6));
    } else if (linea.rfind("row", 0) == 0) {
      tabla.filas.emplace_back();
    } else if (linea == "end") {
      fin = true;
    } else if (const auto igual = linea.find('=');
               igual != std::string::npos && !tabla.filas.empty()) {
      tabla.filas.back().campos.emplace_back(linea.substr(0, igual),
                                             Normal(linea.substr(igual + 1)));
    }
  }
  EXPECT_TRUE(fin) << "salida incompleta del lector:\n" << texto;
  return tabla;
}

bool EsNumero(const std::string& token) {
  return !token.empty() && (token[0] == 'i' || token[0] == 'f');
}

}  // namespace

TablaLeida LeerConTdbf(const fs::path& tabla) {
  const Salida salida = Ejecutar(Comillas(*DbfCheck()) + " dump " + Comillas(tabla));
  EXPECT_EQ(salida.estado, 0) << salida.texto;
  return Interpretar(salida.texto);
}

TablaLeida LeerConDbfread(const fs::path& tabla) {
  static const char kGuion[] = R"(
import sys, datetime, decimal, dbfread
t = dbfread.DBF(sys.argv[1], encoding='latin-1', char_decode_errors='strict', ignore_missing_memofile=True)
for f in t.fields:
    print('field', f.name, f.type, f.length, f.decimal_count)
for r in t:
    print('row')
    for f in t.fields:
        v = r[f.name]
        if v is None: s = '<null>'
        elif isinstance(v, bool): s = 'bT' if v else 'bF'
        elif isinstance(v, int): s = 'i%d' % v
        elif isinstance(v, (float, decimal.Decimal)): s = 'f' + repr(float(v))
        elif isinstance(v, datetime.date): s = 'd' + v.strftime('%Y%m%d')
        else: s = 'x' + v.encode('latin-1').hex().upper()
        print(f.name + '=' + s)
print('end')
)";
  const Salida salida = Ejecutar("/usr/bin/python3 -c \"$(cat <<'EOF'\n" + std::string(kGuion) +
                                 "\nEOF\n)\" " + Comillas(tabla));
  EXPECT_EQ(salida.estado, 0) << salida.texto;
  return Interpretar(salida.texto);
}

TablaLeida LeerConNuestroMotor(const fs::path& archivo) {
  TablaLeida leida;
  dbase::Table tabla(archivo, "");
  tabla.Open(dbase::Access::Shared);
  for (const dbase::FieldInfo& f : tabla.Fields()) {
    leida.campos.push_back(f.name + " " + f.type + " " + std::to_string(f.length) + " " +
                           std::to_string(f.decimals));
  }
  for (tabla.First(); !tabla.Eof(); tabla.Next()) {
    FilaLeida fila;
    for (const dbase::FieldInfo& f : tabla.Fields()) {
      const std::string texto = tabla.GetText(f.name);
      std::string token;
      if (texto.empty()) {
        token = "<null>";
      } else if (f.type == 'C') {
        token = "x" + Hex(texto);
      } else if (f.type == 'L') {
        token = "b" + texto;
      } else if (f.type == 'D') {
        token = "d" + texto;
      } else {
        char numero[64];
        std::snprintf(numero, sizeof numero, "%.17g", *tabla.GetFloat(f.name));
        token = std::string("f") + numero;
      }
      fila.campos.emplace_back(f.name, token);
    }
    leida.filas.push_back(std::move(fila));
  }
  return leida;
}

void ExpectMismaLectura(const TablaLeida& esperada, const TablaLeida& obtenida) {
  EXPECT_EQ(esperada.campos, obtenida.campos);
  ASSERT_EQ(esperada.filas.size(), obtenida.filas.size());
  for (std::size_t i = 0; i < esperada.filas.size(); ++i) {
    const auto& e = esperada.filas[i].campos;
    const auto& o = obtenida.filas[i].campos;
    ASSERT_EQ(e.size(), o.size()) << "fila " << i;
    for (std::size_t c = 0; c < e.size(); ++c) {
      EXPECT_EQ(e[c].first, o[c].first);
      if (EsNumero(e[c].second) && EsNumero(o[c].second)) {
        EXPECT_EQ(std::strtod(e[c].second.c_str() + 1, nullptr),
                  std::strtod(o[c].second.c_str() + 1, nullptr))
            << "fila " << i << ", campo " << e[c].first << ": " << e[c].second << " / "
            << o[c].second;
      } else {
        EXPECT_EQ(e[c].second, o[c].second) << "fila " << i << ", campo " << e[c].first;
      }
    }
  }
}

}  // namespace vadelto::prueba
