#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace vadelto {

// The one error type every layer raises. Its message is the text the user is shown,
// in Windows-1252 like every text of the core; the programs convert it for display.
class Error : public std::runtime_error {
 public:
  explicit Error(std::string mensaje)
      : std::runtime_error(mensaje), mensaje_(std::move(mensaje)) {}
  const std::string& Mensaje() const { return mensaje_; }

 private:
  std::string mensaje_;
};

// The error box shows the message with a full stop appended, unless the text is empty or
// already ends in a full stop or in a character that sorts before it.
std::string ConPuntoFinal(const std::string& mensaje);

}  // namespace vadelto
