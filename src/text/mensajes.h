#pragma once

#include <string>
#include <string_view>

// Every text the user is shown, in one place. Source files are UTF-8; these return the
// Windows-1252 form the core works with.
namespace vadelto::mensajes {

std::string NoExisteArchivo();
std::string NivellariNoEncontrado();
std::string PeriodosNoEncontrado();
std::string ProcesoFinalizado();

// "'%s' no es un valor entero válido"
std::string NoEsEntero(std::string_view texto);

// The window and its host.
// "Unable to write to %s": the INI writer's failure, as the platform words it.
std::string NoSePuedeEscribir(std::string_view ruta);
// "'%s' no es un identificador de ventana válido": a host handle that names no window.
std::string VentanaNoValida(std::string_view texto);
// Help that cannot be shown: the help file is missing beside the program, or no CHM viewer
// is installed.
std::string FaltaArchivoAyuda(std::string_view archivo, std::string_view carpeta);
std::string FaltaVisorAyuda(std::string_view archivo);

// The XML document service. Arguments are Windows-1252 texts.
std::string XmlNodoInexistente();
std::string XmlRutaNoValida(std::string_view ruta);
std::string XmlNombreNoValido(std::string_view nombre);
std::string XmlTextoNoValido();
std::string XmlOperacionNoValida();
std::string XmlNoSeGuarda(std::string_view ruta);

}  // namespace vadelto::mensajes
