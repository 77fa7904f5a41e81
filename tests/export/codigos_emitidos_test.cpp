#include "export/codigos_emitidos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "text/conversion.h"

namespace vadelto {
namespace {

using Mayusculas = CodigosEmitidos::Mayusculas;

std::vector<std::string> Emitir(CodigosEmitidos& emitidos, int veces,
                                const std::string& candidato) {
  std::vector<std::string> codigos;
  for (int i = 0; i < veces; ++i) codigos.push_back(emitidos.Emitir(candidato));
  return codigos;
}

TEST(CodigosEmitidos, NumeradosAcortadosAOchoMasDos) {
  CodigosEmitidos emitidos(Mayusculas::Distinguen, 10);
  const auto codigos = Emitir(emitidos, 111, "CIENCIASNA");
  EXPECT_EQ(codigos[0], "CIENCIASNA");
  EXPECT_EQ(codigos[1], "CIENCIASA1");
  EXPECT_EQ(codigos[9], "CIENCIASA9");
  EXPECT_EQ(codigos[10], "CIENCIAS10");
  EXPECT_EQ(codigos[99], "CIENCIAS99");
  EXPECT_EQ(codigos[100], "CIENCIAS00");  // 100: its last two digits, still a new code
  EXPECT_EQ(codigos[109], "CIENCIAS09");
  // 110 on would repeat 10, 11 ... for ever: the whole number is kept instead.
  EXPECT_EQ(codigos[110], "CIENCIA110");
}

TEST(CodigosEmitidos, SiempreUnicosYDeDiezComoMucho) {
  for (const auto mayusculas : {Mayusculas::Distinguen, Mayusculas::NoDistinguen}) {
    CodigosEmitidos emitidos(mayusculas, 10);
    std::set<std::string> vistos;
    for (const auto& codigo : Emitir(emitidos, 300, "ABCDEFGHIJ")) {
      EXPECT_LE(codigo.size(), 10u);
      EXPECT_TRUE(vistos.insert(ClaveSinMayusculas(codigo)).second) << codigo;
    }
  }
}

TEST(CodigosEmitidos, ComoSeGuardan) {
  CodigosEmitidos emitidos(Mayusculas::NoDistinguen, 10);
  EXPECT_EQ(emitidos.Emitir("PR "), "PR");
  EXPECT_EQ(emitidos.Emitir("pr"), "pr1");
  EXPECT_EQ(emitidos.Emitir("PR1 "), "PR11");
  EXPECT_EQ(emitidos.Emitir("ABCDEFGHIJK"), "ABCDEFGHIJ");
  EXPECT_EQ(emitidos.Emitir("ABCDEFGHIJ"), "ABCDEFGHJ1");
  EXPECT_EQ(emitidos.Emitir(""), "");
  EXPECT_EQ(emitidos.Emitir("   "), "1");
}

TEST(CodigosEmitidos, MayusculasYAcentos) {
  CodigosEmitidos distinguen(Mayusculas::Distinguen, 10);
  EXPECT_EQ(distinguen.Emitir("GLA"), "GLA");
  EXPECT_EQ(distinguen.Emitir("gla"), "gla");
  CodigosEmitidos noDistinguen(Mayusculas::NoDistinguen, 10);
  EXPECT_EQ(noDistinguen.Emitir("GLA"), "GLA");
  EXPECT_EQ(noDistinguen.Emitir("gla"), "gla1");
  EXPECT_EQ(noDistinguen.Emitir("\xC1NE"), "\xC1NE");   // ÁNE
  EXPECT_EQ(noDistinguen.Emitir("\xE1ne"), "\xE1ne1");  // áne
}

TEST(CodigosEmitidos, SinAnchoSeGuardanEnteros) {
  CodigosEmitidos emitidos(Mayusculas::NoDistinguen, 0);
  EXPECT_EQ(emitidos.Emitir("Laboratorio "), "Laboratorio ");
  EXPECT_EQ(emitidos.Emitir("LABORATORIO "), "LABORATORIO 1");
  EXPECT_EQ(emitidos.Emitir("LABORATORIO 1"), "LABORATORIO 11");
}

}  // namespace
}  // namespace vadelto
