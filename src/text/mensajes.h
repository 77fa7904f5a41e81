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

// The import's chosen document: it cannot be read as XML, or it lacks the academic year.
std::string DocumentoIlegible(std::string_view ruta);
std::string DocumentoSinAnnoAcademico(std::string_view ruta);

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

// "'%s' no es un valor en coma flotante válido"
std::string NoEsFlotante(std::string_view texto);

// The dBase engine's failures. `tabla` names the table as the user knows it, with where it
// really is: "C:\HVDAT\PROFT.DBF (/home/ana/.wine/drive_c/HVDAT/PROFT.DBF)".
std::string TablaCarpetaNoExiste(std::string_view tabla);
std::string TablaNoExiste(std::string_view tabla);
std::string TablaEnUso(std::string_view tabla);        // someone holds it exclusively
std::string TablaNoExclusiva(std::string_view tabla);  // an exclusive open while in use
std::string TablaDanada(std::string_view tabla, std::string_view detalle);
std::string TablaFormatoDesconocido(std::string_view tabla, unsigned version);
std::string TablaNoSePuedeLeer(std::string_view tabla, std::string_view causa);
std::string TablaNoSePuedeEscribir(std::string_view tabla, std::string_view causa);
std::string TablaNoSePuedeCrear(std::string_view tabla, std::string_view causa);
std::string TablaNoAbierta(std::string_view tabla);
std::string TablaSinRegistroNuevo(std::string_view tabla);
std::string TablaDefinicionNoValida(std::string_view tabla, std::string_view detalle);
std::string TablaBusquedaNoValida(std::string_view tabla, std::string_view campos);
std::string TablaFiltroNoValido(std::string_view tabla, std::string_view filtro);
std::string TablaSinIndice(std::string_view tabla, std::string_view campos);
std::string TablaIndiceDanado(std::string_view tabla, std::string_view detalle);
std::string TablaIndiceNoAdmitido(std::string_view tabla, std::string_view etiqueta);
std::string CampoNoExiste(std::string_view tabla, std::string_view campo);
std::string CampoTipoNoLegible(std::string_view tabla, std::string_view campo, char tipo);
std::string CampoValorNoCabe(std::string_view tabla, std::string_view campo,
                             std::string_view valor);

// Details for TablaDanada and TablaIndiceDanado, and the causes of system failures.
std::string DetalleEncabezadoIncompleto();
std::string DetalleCamposSinFin();
std::string DetalleCampoNoValido(std::string_view campo);
std::string DetalleLongitudRegistro(unsigned declarada, unsigned campos);
std::string DetalleRegistrosIncompletos(unsigned long long declarados,
                                        unsigned long long presentes);
std::string DetalleIndiceIlegible();
std::string CausaSistema(int codigoError);
std::string CausaEnUso();

// The export's own refusals and failures; each says that the working tables are untouched.
std::string NoExisteCarpetaTablas();
std::string DocumentoNoValido(std::string_view nombreArchivo);
std::string SinPlantillasHorarias();
std::string ArchivoAbiertoEnOtroPrograma(std::string_view rotulo);
std::string NoSeCreaCarpetaProvisional(std::string_view motivo);
std::string NoSeColocanTablas(std::string_view motivo);
std::string TablasAnterioresApartadas(std::string_view carpeta, std::string_view motivo);
// The journal of the replacement, and the recovery of one cut short.
std::string NoSeAnotaReemplazo();
std::string ReemplazoInterrumpidoSinDeshacer(std::string_view carpeta, std::string_view motivo);
std::string DiarioIlegible();

// The command-line tool.
std::string UsoCli();
// vadelto-cli soluc-ejemplo: what it wrote.
std::string SolucEjemploEscrita(int entradas, int colocadas);
// The summary after an export, and the verdict of a check.
std::string ResumenTablasCabecera();
std::string ResumenTablaFilas(std::string_view tabla, int filas);
std::string ComprobacionResultado(bool terminaria);
std::string SubcomandoDesconocido(std::string_view nombre);
std::string OpcionDesconocida(std::string_view opcion);
std::string FaltaValorOpcion(std::string_view opcion);
std::string ElijaPlantilla();

}  // namespace vadelto::mensajes
