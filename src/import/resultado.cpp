#include "import/resultado.h"

#include "exchange/atomic_file.h"
#include "text/clipper.h"
#include "text/conversion.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {

// Stands where the teachers' timetables go while the text around them is made; no document
// has an element of that name, which is not a Racima one.
constexpr std::string_view kMarca = "vadelto-horarios-regulares";

xml::Node NuevoGrupo(xml::Document& documento, std::string_view seq) {
  xml::Node grupo = documento.createElement("grupo_datos");
  grupo.setAttribute("seq", seq);
  return grupo;
}

// The dato idiom: one field of a group, its value converted to UTF-8.
void EscribirDato(xml::Document& documento, xml::Node grupo, std::string_view nombre,
                  std::string_view valor) {
  xml::Node dato = documento.createElement("dato");
  dato.setAttribute("nombre_dato", nombre);
  dato.setText(Utf8DesdeAnsi(valor));
  grupo.appendChild(dato);
}

}  // namespace

std::int32_t MinutosDeHora(std::string_view hora) {
  const std::string texto = hora.size() < 5 ? "0" + std::string(hora) : std::string(hora);
  return StrToInt(Izquierda(texto, 2)) * 60 + StrToInt(Derecha(texto, 2));
}

void Resultado::IniciarResultado(xml::Document& documento, std::string_view anno, int profesores,
                                 std::string_view fecha) {
  documento_ = &documento;
  documento.removeDocumentElement();
  xml::Node servicio = documento.createElement("SERVICIO");
  servicio.setAttribute("modulo", "HORARIOS");
  servicio.setAttribute("tipo", "I");
  servicio.setAttribute("autor", "HORARIOS");
  servicio.setAttribute("fecha", Utf8DesdeAnsi(fecha));
  documento.appendChild(servicio);

  xml::Node bloque = documento.createElement("BLOQUE_DATOS");
  servicio.appendChild(bloque);

  xml::Node anual = NuevoGrupo(documento, "ANNO_ACADEMICO");
  EscribirDato(documento, anual, "C_ANNO", anno);
  bloque.appendChild(anual);

  horarios_ = NuevoGrupo(documento, "HORARIOS_REGULARES");
  horarios_.setAttribute("registros", profesores);
  bloque.appendChild(horarios_);

  // Where the timetables go in the saved text: a mark element, cut out of the text.
  antes_.clear();
  despues_.clear();
  horariosTexto_.clear();
  enTexto_ = false;
  xml::Node marca = documento.createElement(kMarca);
  horarios_.appendChild(marca);
  const std::string texto = documento.serialized();
  const std::string marcaTexto = "<" + std::string(kMarca) + "/>";
  const std::size_t donde = texto.find(marcaTexto);
  if (donde != std::string::npos && texto.find(marcaTexto, donde + 1) == std::string::npos) {
    antes_ = texto.substr(0, donde);
    despues_ = texto.substr(donde + marcaTexto.size());
    enTexto_ = true;
  }
  marca.remove();
}

void Resultado::VolcarProfesor() {
  if (!enTexto_ || !profesor_) return;
  horariosTexto_ += profesor_.serialized();
  profesor_.remove();
}

void Resultado::AnadirGrupoProfesor(int numero, std::string_view empleado,
                                    std::string_view tomaPosesion, int actividades) {
  VolcarProfesor();
  profesor_ = NuevoGrupo(*documento_, "HORARIO_REGULAR_PROFESOR_" + IntToStr(numero));
  profesor_.setAttribute("registros", actividades);
  horarios_.appendChild(profesor_);
  EscribirDato(*documento_, profesor_, "X_EMPLEADO", empleado);
  EscribirDato(*documento_, profesor_, "F_TOMAPOS", tomaPosesion);
}

void Resultado::AnadirGrupoActividad(int numero, const ValoresActividad& valores,
                                     std::string_view fechaInicio, std::string_view fechaFin) {
  xml::Node grupo = NuevoGrupo(*documento_, "ACTIVIDAD_" + IntToStr(numero));
  profesor_.appendChild(grupo);
  const auto dato = [&](std::string_view nombre, std::string_view valor) {
    EscribirDato(*documento_, grupo, nombre, valor);
  };
  dato("N_DIASEMANA", valores.dia);
  dato("X_TRAMO", valores.tramo);
  dato("X_DEPENDENCIA", TrimEspacios(valores.dependencia).empty() ? "" : valores.dependencia);
  dato("X_UNIDAD", valores.unidad);
  dato("X_OFERTAMATRIG", valores.oferta);
  dato("X_MATERIAOMG", valores.materia);
  dato("F_INICIO", fechaInicio);
  dato("F_FIN", fechaFin);
  dato("N_HORINI", IntToStr(MinutosDeHora(valores.horaDesde)));
  dato("N_HORFIN", IntToStr(MinutosDeHora(valores.horaHasta)));
  dato("X_ACTIVIDAD", TrimEspacios(valores.actividad).empty() ? "1" : valores.actividad);
}

void Resultado::GuardarResultado(const std::filesystem::path& ruta) {
  VolcarProfesor();
  // Without timetables the group is written empty, as the whole tree writes it.
  if (!enTexto_ || horariosTexto_.empty()) {
    documento_->save(ruta);
    return;
  }
  AtomicFile archivo(ruta);
  for (const std::string* parte : {&antes_, &horariosTexto_, &despues_}) archivo.Write(*parte);
  if (!archivo.Commit()) throw Error(mensajes::XmlNoSeGuarda(AnsiDesdeUtf8(ruta.string())));
}

}  // namespace vadelto
