#include "exchange/documento_intercambio.h"

#include <algorithm>
#include <array>

#include <fmt/format.h>

#include "text/clipper.h"
#include "text/cp1252.h"

namespace vadelto {
namespace {

struct Grupo {
  GrupoDatos grupo;
  std::string_view seq;
};

// The data groups the conversions read, by the seq attribute that names them.
constexpr std::array<Grupo, 8> kGrupos = {{
    {GrupoDatos::Materias, "MATERIAS"},
    {GrupoDatos::Actividades, "ACTIVIDADES"},
    {GrupoDatos::Empleados, "EMPLEADOS"},
    {GrupoDatos::Dependencias, "DEPENDENCIAS"},
    {GrupoDatos::CursosDelCentro, "CURSOS_DEL_CENTRO"},
    {GrupoDatos::Unidades, "UNIDADES"},
    {GrupoDatos::JornadasEscolares, "JORNADAS_ESCOLARES"},
    {GrupoDatos::TramosHorarios, "TRAMOS_HORARIOS"},
}};

}  // namespace

std::string_view SeqDe(GrupoDatos grupo) {
  return std::find_if(kGrupos.begin(), kGrupos.end(),
                      [grupo](const Grupo& g) { return g.grupo == grupo; })
      ->seq;
}

std::string RutaDe(GrupoDatos grupo) {
  return fmt::format("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"{}\"]/grupo_datos", SeqDe(grupo));
}

std::optional<std::string> Registro::Dato(std::size_t posicion) const {
  if (!Tiene(posicion)) return std::nullopt;
  return datos_[posicion];
}

std::string Registro::Texto(std::size_t posicion) const {
  return Dato(posicion).value_or(std::string());
}

std::string Registro::Recortado(std::size_t posicion) const {
  return TrimEspacios(Texto(posicion));
}

std::vector<Registro> LeerRegistros(const xml::Document& documento, GrupoDatos grupo) {
  const xml::NodeList registros = documento.selectNodes(RutaDe(grupo));
  std::vector<Registro> resultado;
  resultado.reserve(registros.length());
  for (std::size_t indice = 0; indice < registros.length(); ++indice) {
    const xml::NodeList datos = registros.item(indice).childElements("dato");
    std::vector<std::string> textos;
    textos.reserve(datos.length());
    for (std::size_t posicion = 0; posicion < datos.length(); ++posicion) {
      textos.push_back(AnsiDesdeUtf8(datos.item(posicion).text()));
    }
    resultado.emplace_back(indice, std::move(textos));
  }
  return resultado;
}

}  // namespace vadelto
