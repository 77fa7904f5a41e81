#include "text/mensajes.h"

#include "text/cp1252.h"

namespace vadelto::mensajes {

std::string NoExisteArchivo() {
  return "No existe archivo";
}

std::string NivellariNoEncontrado() {
  return AnsiDesdeUtf8("ATENCIÓN - NIVELLARI.DBF No encontrado - Reinstale VADELTO");
}

std::string PeriodosNoEncontrado() {
  return AnsiDesdeUtf8("ATENCIÓN - PERIODOS.DBF No encontrado - Importe de nuevo XML de RACIMA.");
}

std::string ProcesoFinalizado() {
  return "Proceso finalizado";
}

std::string NoEsEntero(std::string_view texto) {
  return "'" + std::string(texto) + AnsiDesdeUtf8("' no es un valor entero válido");
}

std::string NoSePuedeEscribir(std::string_view ruta) {
  return "Unable to write to " + std::string(ruta);
}

std::string VentanaNoValida(std::string_view texto) {
  return "'" + std::string(texto) + AnsiDesdeUtf8("' no es un identificador de ventana válido");
}

std::string FaltaArchivoAyuda(std::string_view archivo, std::string_view carpeta) {
  return "No se encuentra el archivo de ayuda " + std::string(archivo) + " en la carpeta " +
         std::string(carpeta) + ".";
}

std::string FaltaVisorAyuda(std::string_view archivo) {
  return AnsiDesdeUtf8("No se puede abrir la ayuda ") + std::string(archivo) +
         AnsiDesdeUtf8(": no hay ningún visor de archivos CHM instalado (por ejemplo, xchm).");
}

std::string XmlNodoInexistente() {
  return "El documento XML no contiene el nodo buscado";
}

std::string XmlRutaNoValida(std::string_view ruta) {
  return "La ruta XPath '" + std::string(ruta) + AnsiDesdeUtf8("' no es válida");
}

std::string XmlNombreNoValido(std::string_view nombre) {
  return "'" + std::string(nombre) + AnsiDesdeUtf8("' no es un nombre XML válido");
}

std::string XmlTextoNoValido() {
  return AnsiDesdeUtf8("El texto contiene caracteres que un documento XML no admite");
}

std::string XmlOperacionNoValida() {
  return AnsiDesdeUtf8("Operación no válida en el documento XML");
}

std::string XmlNoSeGuarda(std::string_view ruta) {
  return "No se pudo guardar el documento XML '" + std::string(ruta) + "'";
}

}  // namespace vadelto::mensajes
