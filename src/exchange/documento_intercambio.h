#pragma once

// The Racima exchange document as the conversions read it: data groups by their seq names,
// records in document order, fields by 0-based position among a record's dato elements,
// as Windows-1252 texts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/xml_document.h"

namespace vadelto {

enum class GrupoDatos {
  Materias,
  Actividades,
  Empleados,
  Dependencias,
  CursosDelCentro,
  Unidades,
  JornadasEscolares,
  TramosHorarios,
};

std::string_view SeqDe(GrupoDatos grupo);   // "MATERIAS"
std::string RutaDe(GrupoDatos grupo);       // /SERVICIO/BLOQUE_DATOS/grupo_datos[@seq="MATERIAS"]/grupo_datos

// One record: the texts of its dato children, in order, converted to Windows-1252.
class Registro {
 public:
  Registro(std::size_t indice, std::vector<std::string> datos)
      : indice_(indice), datos_(std::move(datos)) {}

  std::size_t Indice() const { return indice_; }  // position in its data group, from 0
  std::size_t Cantidad() const { return datos_.size(); }
  bool Tiene(std::size_t posicion) const { return posicion < datos_.size(); }
  // The text as the document gives it; nullopt when the record lacks the position.
  std::optional<std::string> Dato(std::size_t posicion) const;
  // The text, or the empty text when the record lacks the position.
  std::string Texto(std::size_t posicion) const;
  // Texto passed through TrimEspacios.
  std::string Recortado(std::size_t posicion) const;

 private:
  std::size_t indice_;
  std::vector<std::string> datos_;
};

// The records of a data group, in document order; a missing group gives none.
std::vector<Registro> LeerRegistros(const xml::Document& documento, GrupoDatos grupo);

}  // namespace vadelto
