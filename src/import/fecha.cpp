#include "import/fecha.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <memory>
#include <type_traits>

#include <fmt/format.h>

#include "text/cp1252.h"

namespace vadelto {
namespace {

struct LiberarLocale {
  void operator()(locale_t locale) const { freelocale(locale); }
};
using Locale = std::unique_ptr<std::remove_pointer_t<locale_t>, LiberarLocale>;

bool SinFormasPropias(std::string_view nombre) {
  return nombre.empty() || nombre == "C" || nombre == "POSIX" || nombre.starts_with("C.");
}

std::string Formatear(const std::tm& momento, const std::string& forma, locale_t locale) {
  char texto[256];
  const std::size_t largo = strftime_l(texto, sizeof texto, forma.c_str(), &momento, locale);
  return std::string(texto, largo);
}

}  // namespace

std::string LocaleDeHoraDelEntorno() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* valor = std::getenv(variable);
    if (valor && *valor) return valor;
  }
  return {};
}

std::string TextoFechaHora(const std::tm& momento, std::string_view nombre) {
  if (!SinFormasPropias(nombre)) {
    const Locale usuario(newlocale(LC_TIME_MASK | LC_CTYPE_MASK, std::string(nombre).c_str(),
                                   static_cast<locale_t>(0)));
    if (usuario) {
      const std::string fecha = nl_langinfo_l(D_FMT, usuario.get());
      const std::string hora = nl_langinfo_l(T_FMT, usuario.get());
      if (!fecha.empty() && !hora.empty()) {
        const std::string texto = Formatear(momento, fecha + " " + hora, usuario.get());
        const std::string_view juego = nl_langinfo_l(CODESET, usuario.get());
        return juego == "UTF-8" ? AnsiDesdeUtf8(texto) : texto;
      }
    }
  }
  return fmt::format("{:02}/{:02}/{:04} {:02}:{:02}:{:02}", momento.tm_mday, momento.tm_mon + 1,
                     momento.tm_year + 1900, momento.tm_hour, momento.tm_min, momento.tm_sec);
}

std::string FechaHoraActual() {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  localtime_r(&ahora, &local);
  return TextoFechaHora(local, LocaleDeHoraDelEntorno());
}

}  // namespace vadelto
