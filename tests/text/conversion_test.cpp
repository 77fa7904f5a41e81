#include "text/conversion.h"

#include <gtest/gtest.h>

#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto {
namespace {

TEST(StrToInt, AceptaLoQueLaPlataformaAcepta) {
  struct Caso {
    std::string texto;
    std::int32_t valor;
  };
  const Caso casos[] = {
      {"0", 0},          {"42", 42},          {"0042", 42},         {"-17", -17},
      {"+8", 8},         {"$1A2B", 0x1A2B},   {"$1a2b", 0x1A2B},    {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},             {"$FFFFFFFF", -1},    {"-$10", -16},
  };
  for (const auto& caso : casos) EXPECT_EQ(StrToInt(caso.texto), caso.valor) << caso.texto;
}

TEST(StrToInt, RechazaConElMensajeDeLaPlataforma) {
  const std::string casos[] = {"",     " 1", "1 ",         "12a",  "abc",        "$",
                               "$1G",  "-",  "2147483648", "-2147483649", "99999999999",
                               "$123456789", "1.5", "0x10"};
  for (const auto& texto : casos) {
    try {
      StrToInt(texto);
      ADD_FAILURE() << "accepted [" << texto << ']';
    } catch (const Error& error) {
      EXPECT_EQ(error.Mensaje(), "'" + texto + "'" + AnsiDesdeUtf8(" no es un valor entero válido"));
    }
  }
}

TEST(IntToStr, DecimalSinCeros) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-10), "-10");
  EXPECT_EQ(IntToStr(1015), "1015");
}

TEST(Mayusculas, SoloLetrasAscii) {
  EXPECT_EQ(MayusculasAscii(AnsiDesdeUtf8("matemáticas ñ")), AnsiDesdeUtf8("MATEMáTICAS ñ"));
  EXPECT_EQ(MinusculasAscii("EXPORTAR 1A2B"), "exportar 1a2b");
}

TEST(IgualesSinMayusculas, PliegaLetrasAcentuadas) {
  const auto a = [](const char* utf8) { return AnsiDesdeUtf8(utf8); };
  EXPECT_TRUE(IgualesSinMayusculas("gla", "GLA"));
  EXPECT_TRUE(IgualesSinMayusculas(a("á"), a("Á")));
  EXPECT_TRUE(IgualesSinMayusculas(a("ñu"), a("ÑU")));
  EXPECT_TRUE(IgualesSinMayusculas(a("šœžÿ"), a("ŠŒŽŸ")));
  EXPECT_FALSE(IgualesSinMayusculas("gla", "gla1"));
  EXPECT_FALSE(IgualesSinMayusculas(a("a"), a("á")));
  EXPECT_FALSE(IgualesSinMayusculas(a("÷"), a("×")));  // signs, not letters
  EXPECT_EQ(ClaveSinMayusculas(a("Ñandú")), ClaveSinMayusculas(a("ÑANDÚ")));
}

TEST(ConPuntoFinal, AnadePuntoSalvoTrasPuntoOSignoMenor) {
  struct Caso {
    std::string mensaje, mostrado;
  };
  const Caso casos[] = {
      {"Falta la tabla", "Falta la tabla."}, {"Hecho.", "Hecho."},
      {"valor (x)", "valor (x)"},            {"algo -", "algo -"},
      {"", ""},                              {"fin/", "fin/."},
      {"'12a' no es un valor entero v\xE1lido", "'12a' no es un valor entero v\xE1lido."},
  };
  for (const auto& caso : casos) EXPECT_EQ(ConPuntoFinal(caso.mensaje), caso.mostrado);
}

}  // namespace
}  // namespace vadelto
