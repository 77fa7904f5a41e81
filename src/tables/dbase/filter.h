#pragma once

// The one filter form the conversions use, FIELD= 'value', read without evaluating anything.

#include <optional>
#include <string>
#include <string_view>

namespace vadelto::dbase {

struct EqualsCondition {
  std::string field;
  std::string value;
};

// Blanks around the parts are allowed; inside the quotes a doubled quote stands for one.
// Anything else (another operator, a second condition, a function, an unclosed quote) is
// nullopt.
std::optional<EqualsCondition> ParseEqualsFilter(std::string_view expression);

}  // namespace vadelto::dbase
