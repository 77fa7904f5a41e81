// Searches and filters answered by hash must land where a scan from the first row would, on
// tables full of repeated values, while rows keep being appended and orders and filters change.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/temp_drive.h"
#include "tables/dbase/table.h"

namespace vadelto::prueba {
namespace {

namespace fs = std::filesystem;
using dbase::FieldKind;

constexpr int kAncho = 4;

// A row as the test wrote it, and as it reads back.
struct Fila {
  std::string id, a, b;
  int n;
};

std::string Leido(const std::string& texto) {
  std::string leido = texto.substr(0, kAncho);
  while (!leido.empty() && leido.back() == ' ') leido.pop_back();
  return leido;
}

// The scan the table must agree with: visiting order (ORDEN's, equal keys in record order,
// or physical), filter applied, first row whose fields read back as the searched values.
class Modelo {
 public:
  std::vector<Fila> filas;
  bool porOrden = false;
  std::optional<std::string> filtroA;

  std::vector<const Fila*> Visitadas() const {
    std::vector<const Fila*> visitadas;
    for (const Fila& fila : filas) {
      if (!filtroA || Leido(fila.a) == *filtroA) visitadas.push_back(&fila);
    }
    if (porOrden) {
      std::stable_sort(visitadas.begin(), visitadas.end(),
                       [](const Fila* x, const Fila* y) { return x->n < y->n; });
    }
    return visitadas;
  }

  const Fila* Primera(const std::string& campos, const std::vector<std::string>& valores) const {
    for (const Fila* fila : Visitadas()) {
      bool todos = true;
      for (std::size_t i = 0, p = 0; i < valores.size(); ++i, p += 2) {
        const char campo = campos[p];
        const std::string buscado = campo == 'N' ? valores[i] : Leido(valores[i]);
        const std::string guardado = campo == 'A'   ? Leido(fila->a)
                                     : campo == 'B' ? Leido(fila->b)
                                                    : std::to_string(fila->n);
        todos = todos && guardado == buscado;
      }
      if (todos) return fila;
    }
    return nullptr;
  }
};

TEST(Busquedas, ComoUnRecorridoDesdeLaPrimeraFila) {
  UnidadTemporal unidad;
  const fs::path archivo = unidad.Hvdat() / "T.DBF";
  dbase::CreateTable(archivo, "T.DBF",
                     {{"ID", FieldKind::Text, 8},
                      {"A", FieldKind::Text, kAncho},
                      {"B", FieldKind::Text, kAncho},
                      {"N", FieldKind::Integer}},
                     {{"ORDEN", "N"}});
  // Few values, some longer than the field or with blanks, letter case apart.
  const std::vector<std::string> textos = {"",    "x",    "X",     "xy", "xy ",
                                           " xy", "xyzw", "xyzwq", "a'b"};
  std::mt19937 azar(12345);
  const auto algun = [&] { return textos[azar() % textos.size()]; };

  dbase::Table tabla(archivo, "T.DBF");
  tabla.Open(dbase::Access::Exclusive);
  Modelo modelo;
  std::string actual;  // ID of the current row, empty for none
  for (int paso = 0; paso < 4000; ++paso) {
    SCOPED_TRACE("paso " + std::to_string(paso));
    switch (azar() % 10) {
      case 0:
      case 1:
      case 2: {
        Fila fila{std::to_string(modelo.filas.size()), algun(), algun(),
                  static_cast<int>(azar() % 4)};
        tabla.Append();
        tabla.SetText("ID", fila.id);
        tabla.SetText("A", fila.a);
        tabla.SetText("B", fila.b);
        tabla.SetInteger("N", fila.n);
        if (azar() % 2) tabla.Post();  // else the next action posts it
        modelo.filas.push_back(fila);
        actual = fila.id;
        break;
      }
      case 3:
        actual.clear();
        if (azar() % 3 == 0) {
          tabla.SetFilter("");
          modelo.filtroA.reset();
        } else {
          const std::string valor = algun();
          tabla.SetFilter(dbase::EqualsFilter("A", valor));
          std::string recortado = valor;
          while (!recortado.empty() && recortado.back() == ' ') recortado.pop_back();
          modelo.filtroA = recortado.size() > kAncho ? "\x01" : recortado;
        }
        break;
      case 4:
        actual.clear();
        modelo.porOrden = azar() % 3 == 0;
        tabla.SelectIndex(modelo.porOrden ? "N" : "");
        break;
      default: {
        static const std::vector<std::string> busquedas = {"A", "B", "A;B", "B;N", "N"};
        const std::string campos = busquedas[azar() % busquedas.size()];
        std::vector<std::string> valores;
        for (std::size_t p = 0; p < campos.size(); p += 2) {
          valores.push_back(campos[p] == 'N' ? std::to_string(azar() % 5) : algun());
        }
        const Fila* esperada = modelo.Primera(campos, valores);
        ASSERT_EQ(tabla.Locate(campos, valores), esperada != nullptr) << campos;
        if (esperada) actual = esperada->id;
        if (!actual.empty()) {
          ASSERT_EQ(tabla.GetText("ID"), actual) << campos;
        }
        continue;
      }
    }
    if (azar() % 8 == 0) {  // the visiting order itself, now and then
      tabla.First();
      std::vector<std::string> vistas;
      for (; !tabla.Eof(); tabla.Next()) vistas.push_back(tabla.GetText("ID"));
      std::vector<std::string> esperadas;
      for (const Fila* fila : modelo.Visitadas()) esperadas.push_back(fila->id);
      ASSERT_EQ(vistas, esperadas);
      actual.clear();
    }
  }
  tabla.Close();
}

}  // namespace
}  // namespace vadelto::prueba
