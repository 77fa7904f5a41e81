#include "import/fecha.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "support/temp_drive.h"

namespace vadelto {
namespace {

std::tm Momento() {
  std::tm momento{};
  momento.tm_year = 2010 - 1900;
  momento.tm_mon = 5;
  momento.tm_mday = 25;
  momento.tm_hour = 9;
  momento.tm_min = 5;
  momento.tm_sec = 3;
  return momento;
}

// Sets an environment variable for one scope and puts back what was there.
class Variable {
 public:
  Variable(const char* nombre, const char* valor) : nombre_(nombre) {
    if (const char* antes = std::getenv(nombre)) antes_ = antes;
    valor ? setenv(nombre, valor, 1) : unsetenv(nombre);
  }
  ~Variable() { antes_ ? setenv(nombre_, antes_->c_str(), 1) : unsetenv(nombre_); }

 private:
  const char* nombre_;
  std::optional<std::string> antes_;
};

TEST(Fecha, SinFormasDelLocaleDdMmAaaaHhMmSs) {
  for (const char* locale : {"", "C", "POSIX", "C.UTF-8", "xx_XX.UTF-8"}) {
    EXPECT_EQ(TextoFechaHora(Momento(), locale), "25/06/2010 09:05:03") << locale;
  }
}

TEST(Fecha, LocaleDeHoraDelEntorno) {
  Variable todo("LC_ALL", nullptr), hora("LC_TIME", "es_ES.UTF-8"), lengua("LANG", "en_GB.UTF-8");
  EXPECT_EQ(LocaleDeHoraDelEntorno(), "es_ES.UTF-8");
  {
    Variable todoAhora("LC_ALL", "C");
    EXPECT_EQ(LocaleDeHoraDelEntorno(), "C");
  }
  Variable sinHora("LC_TIME", "");
  EXPECT_EQ(LocaleDeHoraDelEntorno(), "en_GB.UTF-8");
}

// The forms of a real locale, compiled for the test since the machine may have none. It is
// read in a child process: glibc keeps the search list it builds from LOCPATH for good, and
// the child's _exit keeps the leak checker from counting it.
TEST(Fecha, FormasCortaYLargaDelLocale) {
  prueba::UnidadTemporal unidad;
  const std::string carpeta = unidad.Carpeta("locales").string();
  const std::string orden = "localedef -i es_ES -f UTF-8 '" + carpeta + "/es_ES.UTF-8' 2>/dev/null";
  if (std::system(orden.c_str()) != 0) GTEST_SKIP() << "localedef no puede compilar es_ES";
  EXPECT_EXIT(
      {
        setenv("LOCPATH", carpeta.c_str(), 1);
        _exit(TextoFechaHora(Momento(), "es_ES.UTF-8") == "25/06/10 09:05:03" ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vadelto
