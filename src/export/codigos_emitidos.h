#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vadelto {

// The short codes a step has given in one export: subjects (letter case counts), teachers and
// groups (letter case does not count: 'GLA' and 'gla' are the same code) and rooms (kept whole,
// however long). A colliding code is made unique by appending 1, 2, 3 ...
class CodigosEmitidos {
 public:
  enum class Mayusculas { Distinguen, NoDistinguen };

  // `ancho` is the width of the table field that stores the code; 0 when the code is kept whole.
  CodigosEmitidos(Mayusculas mayusculas, std::size_t ancho);

  // Issues the candidate, or the first free numbered candidate, and records it. With a width,
  // codes are tested and recorded as the field stores them (cut to the width, trailing blanks
  // removed), and a numbered candidate that is too long keeps its first (ancho - 2) characters
  // and its last 2.
  std::string Emitir(std::string_view candidato);

  bool Contiene(std::string_view codigo) const;
  void Vaciar() {
    claves_.clear();
    busquedas_.clear();
  }

 private:
  std::string Guardado(std::string_view codigo) const;
  std::string Numerado(const std::string& base, long n) const;
  std::string Clave(std::string_view codigo) const;
  // The n-th candidate for `base` (0 is the base itself), given those tried before it.
  std::string Candidato(const std::string& base, long n, std::set<std::string>& probados) const;

  // Where the search for a free code from one base stands: the next number to try and the
  // numbered candidates tried so far.
  struct Busqueda {
    long siguiente = 0;
    std::set<std::string> probados;
  };

  Mayusculas mayusculas_;
  std::size_t ancho_;
  std::set<std::string> claves_;
  std::unordered_map<std::string, Busqueda> busquedas_;
};

}  // namespace vadelto
