#include "text/clipper.h"

#include <gtest/gtest.h>

#include "text/cp1252.h"

namespace vadelto {
namespace {

struct CasoRecorte {
  std::string texto, ambos, izquierda, derecha;
};

TEST(Clipper, RecortesQuitanSoloBlancos) {
  const CasoRecorte casos[] = {
      {"", "", "", ""},
      {"   ", "", "", ""},
      {"  a b  ", "a b", "a b  ", "  a b"},
      {"\ta\t", "\ta\t", "\ta\t", "\ta\t"},  // only code 32 is a blank
      {" x", "x", "x", " x"},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(TrimEspacios(caso.texto), caso.ambos) << '[' << caso.texto << ']';
    EXPECT_EQ(TrimEspaciosIzq(caso.texto), caso.izquierda) << '[' << caso.texto << ']';
    EXPECT_EQ(TrimEspaciosDer(caso.texto), caso.derecha) << '[' << caso.texto << ']';
  }
}

TEST(Clipper, IzquierdaYDerecha) {
  struct Caso {
    std::string texto;
    long n;
    std::string izquierda, derecha;
  };
  const Caso casos[] = {
      {"abcdef", 3, "abc", "def"}, {"abcdef", 6, "abcdef", "abcdef"},
      {"abcdef", 9, "abcdef", "abcdef"}, {"abcdef", 0, "", ""},
      {"abcdef", -2, "", ""}, {"", 3, "", ""},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(Izquierda(caso.texto, caso.n), caso.izquierda) << caso.texto << ' ' << caso.n;
    EXPECT_EQ(Derecha(caso.texto, caso.n), caso.derecha) << caso.texto << ' ' << caso.n;
  }
}

TEST(Clipper, SoloMayusculasDejaAaZ) {
  EXPECT_EQ(SoloMayusculas("Lengua Castellana y Literatura"), "LCL");
  EXPECT_EQ(SoloMayusculas(AnsiDesdeUtf8("EDUCACIÓN FÍSICA")), "EDUCACINFSICA");
  EXPECT_EQ(SoloMayusculas(AnsiDesdeUtf8("Ética 2º Ñu")), "");
  EXPECT_EQ(SoloMayusculas(""), "");
}

TEST(Clipper, LetrasTrasEspacio) {
  struct Caso {
    std::string texto, letras;
  };
  const Caso casos[] = {
      {"educación física", "f"},
      {"a  b", " b"},  // the first blank contributes the second
      {" abc", "a"},   // the first character only when it follows a blank
      {"ab ", ""},     // a blank at the end adds nothing
      {"x y z", "yz"},
      {"", ""},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(LetrasTrasEspacio(caso.texto, " "), caso.letras) << '[' << caso.texto << ']';
  }
}

}  // namespace
}  // namespace vadelto
