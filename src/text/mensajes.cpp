#include "text/mensajes.h"

#include "text/cp1252.h"

#include <fmt/format.h>
#include <cerrno>
#include <string>

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

std::string DocumentoIlegible(std::string_view ruta) {
  return AnsiDesdeUtf8("No se puede leer el documento XML \"") + std::string(ruta) +
         AnsiDesdeUtf8("\": no se puede abrir o no es un XML bien formado");
}

std::string DocumentoSinAnnoAcademico(std::string_view ruta) {
  return AnsiDesdeUtf8("El documento XML \"") + std::string(ruta) +
         AnsiDesdeUtf8(
             "\" no trae el año académico: le falta /SERVICIO/BLOQUE_DATOS o su "
             "primer elemento");
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

std::string NoEsFlotante(std::string_view texto) {
  return "'" + std::string(texto) + AnsiDesdeUtf8("' no es un valor en coma flotante válido");
}

namespace {

// Joins UTF-8 literals (converted) and Windows-1252 values (kept as they are).
struct Ansi {
  std::string texto;
  Ansi& operator<<(const char* utf8) {
    texto += AnsiDesdeUtf8(utf8);
    return *this;
  }
  Ansi& operator<<(std::string_view ansi) {
    texto += ansi;
    return *this;
  }
};

}  // namespace

std::string TablaCarpetaNoExiste(std::string_view tabla) {
  return (Ansi{} << "No existe la carpeta de la tabla " << tabla).texto;
}

std::string TablaNoExiste(std::string_view tabla) {
  return (Ansi{} << "No existe la tabla " << tabla).texto;
}

std::string TablaEnUso(std::string_view tabla) {
  return (Ansi{} << "La tabla " << tabla
                 << " está en uso: otro programa la tiene abierta en exclusiva")
      .texto;
}

std::string TablaNoExclusiva(std::string_view tabla) {
  return (Ansi{}
          << "La tabla " << tabla
          << " está en uso: no se puede abrir en exclusiva mientras otro programa la tenga abierta")
      .texto;
}

std::string TablaDanada(std::string_view tabla, std::string_view detalle) {
  return (Ansi{} << "La tabla " << tabla << " está dañada: " << detalle).texto;
}

std::string TablaFormatoDesconocido(std::string_view tabla, unsigned version) {
  static const char kHex[] = "0123456789ABCDEF";
  const char codigo[] = {kHex[(version >> 4) & 15], kHex[version & 15], 0};
  return (Ansi{} << "La tabla " << tabla << " no tiene un formato dBase conocido (versión "
                 << std::string_view(codigo) << ")")
      .texto;
}

std::string TablaNoSePuedeLeer(std::string_view tabla, std::string_view causa) {
  return (Ansi{} << "No se puede leer la tabla " << tabla << ": " << causa).texto;
}

std::string TablaNoSePuedeEscribir(std::string_view tabla, std::string_view causa) {
  return (Ansi{} << "No se puede escribir la tabla " << tabla << ": " << causa).texto;
}

std::string TablaNoSePuedeCrear(std::string_view tabla, std::string_view causa) {
  return (Ansi{} << "No se puede crear la tabla " << tabla << ": " << causa).texto;
}

std::string TablaNoAbierta(std::string_view tabla) {
  return (Ansi{} << "La tabla " << tabla << " no está abierta").texto;
}

std::string TablaSinRegistroNuevo(std::string_view tabla) {
  return (Ansi{} << "La tabla " << tabla << " no tiene un registro nuevo en curso").texto;
}

std::string TablaDefinicionNoValida(std::string_view tabla, std::string_view detalle) {
  return (Ansi{} << "Definición no válida de la tabla " << tabla << ": " << detalle).texto;
}

std::string TablaBusquedaNoValida(std::string_view tabla, std::string_view campos) {
  return (Ansi{} << "Búsqueda no válida en la tabla " << tabla
                 << ": hace falta un valor para cada campo de " << campos)
      .texto;
}

std::string TablaFiltroNoValido(std::string_view tabla, std::string_view filtro) {
  return (Ansi{} << "Filtro no válido para la tabla " << tabla << ": " << filtro).texto;
}

std::string TablaSinIndice(std::string_view tabla, std::string_view campos) {
  return (Ansi{} << "La tabla " << tabla << " no tiene un índice por " << campos).texto;
}

std::string TablaIndiceDanado(std::string_view tabla, std::string_view detalle) {
  return (Ansi{} << "El índice de la tabla " << tabla << " está dañado: " << detalle).texto;
}

std::string TablaIndiceNoAdmitido(std::string_view tabla, std::string_view etiqueta) {
  return (Ansi{} << "La tabla " << tabla << " tiene un índice (" << etiqueta
                 << ") que este programa no sabe mantener")
      .texto;
}

std::string CampoNoExiste(std::string_view tabla, std::string_view campo) {
  return (Ansi{} << "La tabla " << tabla << " no tiene el campo " << campo).texto;
}

std::string CampoTipoNoLegible(std::string_view tabla, std::string_view campo, char tipo) {
  return (Ansi{} << "El campo " << campo << " de la tabla " << tabla
                 << " es de un tipo que no se puede leer (" << std::string_view(&tipo, 1) << ")")
      .texto;
}

std::string CampoValorNoCabe(std::string_view tabla, std::string_view campo,
                             std::string_view valor) {
  return (Ansi{} << "El valor " << valor << " no cabe en el campo " << campo << " de la tabla "
                 << tabla)
      .texto;
}

std::string DetalleEncabezadoIncompleto() {
  return AnsiDesdeUtf8("el encabezado está incompleto");
}

std::string DetalleCamposSinFin() {
  return AnsiDesdeUtf8("la descripción de los campos no cabe en el encabezado");
}

std::string DetalleCampoNoValido(std::string_view campo) {
  return (Ansi{} << "la descripción del campo " << campo << " no es válida").texto;
}

std::string DetalleLongitudRegistro(unsigned declarada, unsigned campos) {
  return (Ansi{} << "la longitud de registro del encabezado (" << std::to_string(declarada)
                 << ") no es la de sus campos (" << std::to_string(campos) << ")")
      .texto;
}

std::string DetalleRegistrosIncompletos(unsigned long long declarados,
                                        unsigned long long presentes) {
  return (Ansi{} << "el encabezado anuncia " << std::to_string(declarados)
                 << " registros, pero el archivo solo contiene " << std::to_string(presentes)
                 << " completos")
      .texto;
}

std::string DetalleIndiceIlegible() {
  return AnsiDesdeUtf8("su estructura no es la de un índice .MDX");
}

std::string CausaEnUso() {
  return "otro programa la tiene abierta";
}

std::string CausaSistema(int codigoError) {
  switch (codigoError) {
    case EACCES:
    case EPERM:
      return "permiso denegado";
    case ENOSPC:
      return "no queda espacio en el disco";
    case EROFS:
      return AnsiDesdeUtf8("el disco es de solo lectura");
    case EIO:
      return "error de entrada/salida";
    case EISDIR:
      return "es una carpeta";
    case EFBIG:
      return AnsiDesdeUtf8("el archivo supera el tamaño permitido");
    case ENOENT:
      return "no existe el archivo o la carpeta";
    case EEXIST:
      return "ya existe";
    case EBUSY:
    case ETXTBSY:
      return AnsiDesdeUtf8("el archivo está en uso");
    default:
      return "error del sistema " + std::to_string(codigoError);
  }
}

}  // namespace vadelto::mensajes

namespace vadelto::mensajes {

namespace {
std::string NadaCambia() {
  return AnsiDesdeUtf8("; no se ha modificado ninguna tabla de C:\\HVDAT");
}
}  // namespace

std::string NoExisteCarpetaTablas() {
  return AnsiDesdeUtf8(
      "No existe la carpeta C:\\HVDAT, donde Horavel guarda sus tablas de trabajo. "
      "Instale Horavel o cree la carpeta y vuelva a exportar");
}

std::string DocumentoNoValido(std::string_view nombreArchivo) {
  return AnsiDesdeUtf8("El archivo '") + std::string(nombreArchivo) +
         AnsiDesdeUtf8("' no es un documento XML válido") + NadaCambia();
}

std::string SinPlantillasHorarias() {
  return AnsiDesdeUtf8("El documento no contiene ninguna plantilla horaria (JORNADAS_ESCOLARES)") +
         NadaCambia();
}

std::string ArchivoAbiertoEnOtroPrograma(std::string_view rotulo) {
  return AnsiDesdeUtf8("El archivo ") + std::string(rotulo) +
         AnsiDesdeUtf8(" está abierto en otro programa: cierre Horavel y vuelva a exportar") +
         NadaCambia();
}

std::string NoSeCreaCarpetaProvisional(std::string_view motivo) {
  return AnsiDesdeUtf8(
             "No se puede crear la carpeta provisional de la exportación en C:\\HVDAT (") +
         std::string(motivo) + ")" + NadaCambia();
}

std::string NoSeColocanTablas(std::string_view motivo) {
  return AnsiDesdeUtf8("No se han podido colocar las tablas nuevas en C:\\HVDAT (") +
         std::string(motivo) + ")" + NadaCambia();
}

std::string TablasAnterioresApartadas(std::string_view carpeta, std::string_view motivo) {
  return AnsiDesdeUtf8(
             "No se han podido colocar las tablas nuevas ni devolver las anteriores a "
             "C:\\HVDAT (") +
         std::string(motivo) + AnsiDesdeUtf8("). Las tablas anteriores están en la carpeta ") +
         std::string(carpeta) + AnsiDesdeUtf8(": cópielas en C:\\HVDAT antes de abrir Horavel");
}

std::string NoSeAnotaReemplazo() {
  return AnsiDesdeUtf8("No se puede anotar en C:\\HVDAT el cambio de las tablas") + NadaCambia();
}

std::string ReemplazoInterrumpidoSinDeshacer(std::string_view carpeta, std::string_view motivo) {
  return AnsiDesdeUtf8(
             "Una exportación anterior se interrumpió mientras colocaba las tablas en "
             "C:\\HVDAT y no se ha podido deshacer (") +
         std::string(motivo) +
         AnsiDesdeUtf8("). Las tablas anteriores que falten en C:\\HVDAT están en la carpeta ") +
         std::string(carpeta);
}

std::string DiarioIlegible() {
  return AnsiDesdeUtf8("su diario está dañado");
}

std::string UsoCli() {
  return AnsiDesdeUtf8(
      "Uso: vadelto-cli exportar DOCUMENTO [--plantilla CODIGO]\n"
      "     vadelto-cli importar DOCUMENTO\n"
      "     vadelto-cli comprobar DOCUMENTO [--plantilla CODIGO]\n"
      "     vadelto-cli soluc-ejemplo [CARPETA]\n"
      "  exportar   reconstruye las tablas de Horavel en C:\\HVDAT a partir del documento de "
      "Racima DOCUMENTO;\n"
      "             --plantilla elige la plantilla horaria cuando el documento tiene varias\n"
      "  importar   escribe junto a DOCUMENTO el documento de resultado para Racima con el "
      "horario que Horavel ha resuelto en C:\\HVDAT\\SOLUC.DBF\n"
      "  comprobar  hace la misma exportación en una carpeta provisional que luego se borra, "
      "sin tocar C:\\HVDAT, e informa de lo que haría\n"
      "  soluc-ejemplo  escribe en C:\\HVDAT (o en CARPETA) un SOLUC.DBF de ejemplo sobre las "
      "tablas exportadas");
}

std::string SolucEjemploEscrita(int entradas, int colocadas) {
  return fmt::format("SOLUC.DBF de ejemplo: {} entradas, {} colocadas, {} sin colocar", entradas,
                     colocadas, entradas - colocadas);
}

std::string ResumenTablasCabecera() {
  return "Filas escritas por tabla:";
}

std::string ResumenTablaFilas(std::string_view tabla, int filas) {
  return fmt::format("  {:<12} {:>6}", tabla, filas);
}

std::string ComprobacionResultado(bool terminaria) {
  return AnsiDesdeUtf8(terminaria ? "Comprobación: la exportación terminaría; C:\\HVDAT no se "
                                    "ha modificado"
                                  : "Comprobación: la exportación se detendría; C:\\HVDAT no se "
                                    "ha modificado");
}

std::string SubcomandoDesconocido(std::string_view nombre) {
  return AnsiDesdeUtf8("Orden desconocida: '") + std::string(nombre) + "'";
}

std::string OpcionDesconocida(std::string_view opcion) {
  return AnsiDesdeUtf8("Opción o argumento de más: '") + std::string(opcion) + "'";
}

std::string FaltaValorOpcion(std::string_view opcion) {
  return AnsiDesdeUtf8("Falta el valor de la opción ") + std::string(opcion);
}

std::string ElijaPlantilla() {
  return AnsiDesdeUtf8(
      "El documento tiene varias plantillas horarias; elija una con --plantilla CODIGO:");
}

}  // namespace vadelto::mensajes
