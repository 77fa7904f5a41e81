#pragma once

// The message boxes every window of the program shows, and the conversion of the core's
// Windows-1252 texts to and from Qt's.

#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace vadelto {

// The application title: it titles every message box.
inline constexpr const char* kTituloAplicacion = "Vadelto";

QString TextoQt(std::string_view ansi);
std::string TextoAnsi(const QString& texto);

// A plain message box: the text, one OK button, no icon.
void CuadroMensaje(QWidget* padre, const std::string& ansi);

// The box for an error that escaped a handler: error icon, one OK button, the message with
// a full stop appended unless it already ends in one or in a character that sorts before it.
void CuadroError(QWidget* padre, const std::string& ansi);

}  // namespace vadelto
