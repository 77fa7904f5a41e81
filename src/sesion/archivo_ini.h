#pragma once

// A small INI file writer that behaves like the Windows private-profile writer: it creates
// the file or the section when missing, replaces or adds the one key, and leaves every other
// line (sections, keys, comments, blank lines, line endings) exactly as it was. Section and
// key names match without regard to letter case, ignoring the blanks around them; the first
// matching section and key win. Texts are bytes (Windows-1252).

#include <filesystem>
#include <string>
#include <string_view>

namespace vadelto::ini {

// The contents of an INI file with `key` set to `value` under `section`. New lines use the
// file's line ending (that of its first line), CRLF for a file without one.
std::string WithValue(std::string_view contents, std::string_view section, std::string_view key,
                      std::string_view value);

// Sets the key in the file at `path`, which is created when missing and otherwise replaced
// atomically (written beside it, then renamed over it). Any failure raises
// Error("Unable to write to <full path>") and leaves the file as it was.
void WriteValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                std::string_view value);

}  // namespace vadelto::ini
