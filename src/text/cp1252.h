#pragma once

#include <string>
#include <string_view>

namespace vadelto {

// Windows-1252 is the core's text encoding; these convert at the edges (XML, screen,
// console). Every one of the 256 bytes has a Unicode form (the five bytes Windows leaves
// unassigned map to U+0081, U+008D, U+008F, U+0090, U+009D), so Utf8DesdeAnsi never fails.
std::string Utf8DesdeAnsi(std::string_view ansi);

// A character with no Windows-1252 form becomes '?'; so does each byte of malformed UTF-8.
std::string AnsiDesdeUtf8(std::string_view utf8);

}  // namespace vadelto
