#include "tables/dbase/filter.h"

#include "tables/dbase/table.h"

namespace vadelto::dbase {
namespace {

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

void SkipBlanks(std::string_view text, std::size_t& i) {
  while (i < text.size() && text[i] == ' ') ++i;
}

}  // namespace

std::optional<EqualsCondition> ParseEqualsFilter(std::string_view text) {
  EqualsCondition condition;
  std::size_t i = 0;
  SkipBlanks(text, i);
  const std::size_t nameStart = i;
  while (i < text.size() && IsNameCharacter(text[i])) ++i;
  if (i == nameStart) return std::nullopt;
  condition.field = std::string(text.substr(nameStart, i - nameStart));
  SkipBlanks(text, i);
  if (i == text.size() || text[i] != '=') return std::nullopt;
  ++i;
  SkipBlanks(text, i);
  if (i == text.size() || text[i] != '\'') return std::nullopt;
  for (++i;; ++i) {
    if (i == text.size()) return std::nullopt;  // unclosed
    if (text[i] == '\'') {
      if (i + 1 < text.size() && text[i + 1] == '\'') {
        condition.value += '\'';
        ++i;
        continue;
      }
      break;
    }
    condition.value += text[i];
  }
  ++i;
  SkipBlanks(text, i);
  if (i != text.size()) return std::nullopt;
  return condition;
}

std::string EqualsFilter(std::string_view field, std::string_view value) {
  std::string expression(field);
  expression += "= '";
  for (char c : value) {
    expression += c;
    if (c == '\'') expression += '\'';
  }
  expression += '\'';
  return expression;
}

}  // namespace vadelto::dbase
