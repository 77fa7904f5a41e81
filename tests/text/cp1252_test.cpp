#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace vadelto {
namespace {

TEST(Cp1252, CadaByteIdaYVuelta) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(AnsiDesdeUtf8(Utf8DesdeAnsi(byte)), byte) << "byte " << b;
  }
}

TEST(Cp1252, FormasUnicode) {
  EXPECT_EQ(Utf8DesdeAnsi("\x80"), "\u20AC");
  EXPECT_EQ(Utf8DesdeAnsi("\xD1"), "\u00D1");
  EXPECT_EQ(Utf8DesdeAnsi("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(Utf8DesdeAnsi("\x9F"), "\u0178");
}

TEST(Cp1252, SinFormaEnWindows1252DaInterrogacion) {
  EXPECT_EQ(AnsiDesdeUtf8("a\u4E2Db"), "a?b");
  EXPECT_EQ(AnsiDesdeUtf8("\U0001F600"), "?");
  EXPECT_EQ(AnsiDesdeUtf8("\u0080"), "?");  // a C1 control Windows does not assign
  EXPECT_EQ(AnsiDesdeUtf8("\xC3"), "?");    // truncated sequence
  EXPECT_EQ(AnsiDesdeUtf8("\xFF\xFE"), "??");
  EXPECT_EQ(AnsiDesdeUtf8("Se\xC3\xB1or"), "Se\xF1or");
}

}  // namespace
}  // namespace vadelto
