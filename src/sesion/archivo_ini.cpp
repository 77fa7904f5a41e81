#include "sesion/archivo_ini.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

#include "text/conversion.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::ini {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// One line of the file: its text without the line ending, and where the next line starts.
struct Line {
  std::size_t begin;
  std::size_t end;   // end of the text, before "\r\n" or "\n"
  std::size_t next;  // after the line ending; equals `end` for a last line without one
};

std::vector<Line> SplitLines(std::string_view contents) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < contents.size()) {
    const std::size_t newline = contents.find('\n', begin);
    if (newline == std::string_view::npos) {
      lines.push_back({begin, contents.size(), contents.size()});
      break;
    }
    const std::size_t end =
        newline > begin && contents[newline - 1] == '\r' ? newline - 1 : newline;
    lines.push_back({begin, end, newline + 1});
    begin = newline + 1;
  }
  return lines;
}

std::string LineEnding(std::string_view contents) {
  const std::size_t newline = contents.find('\n');
  if (newline != std::string_view::npos && (newline == 0 || contents[newline - 1] != '\r')) {
    return "\n";
  }
  return "\r\n";
}

// "[name]" gives the name between the brackets, trimmed.
std::optional<std::string_view> SectionName(std::string_view text) {
  text = Trim(text);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const std::size_t close = text.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(text.substr(1, close - 1));
}

// "name=value" gives the name before the first '=', trimmed. A comment line has a name
// that begins with ';', which no key asked for matches.
std::optional<std::string_view> KeyName(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Trim(text.substr(0, equals));
}

[[noreturn]] void Fail(const fs::path& path) {
  std::error_code ec;
  const fs::path full = fs::absolute(path, ec);
  throw Error(mensajes::NoSePuedeEscribir(AnsiDesdeUtf8((ec ? path : full).string())));
}

std::optional<std::string> ReadIfExists(const fs::path& path) {
  std::error_code ec;
  const fs::file_type type = fs::status(path, ec).type();
  if (type == fs::file_type::not_found) return std::nullopt;
  std::ifstream input(path, std::ios::binary);
  if (type != fs::file_type::regular || !input) Fail(path);
  std::string contents{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
  if (input.bad()) Fail(path);
  return contents;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes a fresh file beside `path` and renames it over `path`, so that readers see either
// the old contents or the new ones, never a part.
void ReplaceAtomically(const fs::path& path, std::string_view contents) {
  std::random_device random;
  fs::path temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = path;
    temporary += ".tmp" + std::to_string(random() % 1000000);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) Fail(path);
  struct stat existing {};
  bool ok = true;
  if (::stat(path.c_str(), &existing) == 0) ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, contents) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    Fail(path);
  }
}

}  // namespace

std::string WithValue(std::string_view contents, std::string_view section, std::string_view key,
                      std::string_view value) {
  const std::string eol = LineEnding(contents);
  const std::string keyLine = std::string(key) + "=" + std::string(value) + eol;
  // A byte-order mark is not part of the first line's text.
  const std::size_t start = contents.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
  const std::vector<Line> lines = SplitLines(contents.substr(start));
  auto text = [&](const Line& line) {
    return contents.substr(start + line.begin, line.end - line.begin);
  };

  std::size_t i = 0;
  while (i < lines.size()) {
    const auto name = SectionName(text(lines[i]));
    if (name && IgualesSinMayusculas(*name, section)) break;
    ++i;
  }
  std::string result(contents);
  if (i == lines.size()) {
    if (!result.empty() && result.back() != '\n') result += eol;
    return result + "[" + std::string(section) + "]" + eol + keyLine;
  }

  // Inside the section: the key's line, or the last line that is not blank.
  std::size_t lastFilled = i;
  for (std::size_t j = i + 1; j < lines.size() && !SectionName(text(lines[j])); ++j) {
    const std::string_view line = text(lines[j]);
    const auto name = KeyName(line);
    if (name && IgualesSinMayusculas(*name, key)) {
      std::size_t valueStart = line.find('=') + 1;
      while (valueStart < line.size() && kBlanks.find(line[valueStart]) != std::string_view::npos) {
        ++valueStart;
      }
      const std::size_t from = start + lines[j].begin + valueStart;
      return result.replace(from, start + lines[j].end - from, value);
    }
    if (!Trim(line).empty()) lastFilled = j;
  }
  const Line& after = lines[lastFilled];
  if (after.next == after.end) return result + eol + keyLine;  // a last line without ending
  return result.insert(start + after.next, keyLine);
}

void WriteValue(const fs::path& path, std::string_view section, std::string_view key,
                std::string_view value) {
  const std::optional<std::string> contents = ReadIfExists(path);
  // The file is replaced by a new one, which its folder allows even where the file itself may
  // not be written: a file made read-only stays as it is, as the Windows writer leaves it.
  if (contents && ::access(path.c_str(), W_OK) != 0) Fail(path);
  ReplaceAtomically(path, WithValue(contents.value_or(std::string()), section, key, value));
}

}  // namespace vadelto::ini
