#pragma once

// The time of writing as the user reads dates and times: the short date form and the long
// time form of the LC_TIME locale of the environment, joined by one blank. Where the locale
// gives no forms of its own (C, POSIX, or one not installed) they are dd/mm/yyyy hh:mm:ss.

#include <ctime>
#include <string>
#include <string_view>

namespace vadelto {

// The locale name LC_TIME takes from the environment: LC_ALL, else LC_TIME, else LANG.
std::string LocaleDeHoraDelEntorno();

// `momento` (local broken-down time) in the forms of the locale named; Windows-1252.
std::string TextoFechaHora(const std::tm& momento, std::string_view locale);

// Now, in the forms of the environment's locale.
std::string FechaHoraActual();

}  // namespace vadelto
