#include "dbf_a_mano.h"

#include <stdexcept>

namespace vadelto::prueba {

std::string Le32(std::uint32_t valor) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>(valor >> (8 * i));
  return s;
}

std::string Le64(std::uint64_t valor) {
  return Le32(static_cast<std::uint32_t>(valor)) + Le32(static_cast<std::uint32_t>(valor >> 32));
}

std::string TablaAMano(std::uint8_t version, const std::vector<CampoAMano>& campos,
                       const std::vector<FilaAMano>& filas, long registrosDeclarados) {
  const bool nivel7 = (version & 7) == 4;
  const bool visualFox = version == 0x30 || version == 0x31 || version == 0x32;
  const std::size_t inicio = nivel7 ? 68 : 32, paso = nivel7 ? 48 : 32;
  std::size_t longitudRegistro = 1;
  for (const CampoAMano& c : campos) longitudRegistro += static_cast<std::size_t>(c.longitud);
  const std::size_t longitudEncabezado = inicio + paso * campos.size() + 1 + (visualFox ? 263 : 0);

  std::string t(longitudEncabezado, '\0');
  t[0] = static_cast<char>(version);
  t[1] = 124;
  t[2] = 5;
  t[3] = 20;
  t.replace(4, 4,
            Le32(static_cast<std::uint32_t>(
                registrosDeclarados >= 0 ? registrosDeclarados : static_cast<long>(filas.size()))));
  t[8] = static_cast<char>(longitudEncabezado & 0xFF);
  t[9] = static_cast<char>(longitudEncabezado >> 8);
  t[10] = static_cast<char>(longitudRegistro & 0xFF);
  t[11] = static_cast<char>(longitudRegistro >> 8);
  if (nivel7) t.replace(32, 8, "DBWINWE0");
  std::size_t desplazamiento = 1;
  for (std::size_t i = 0; i < campos.size(); ++i) {
    char* d = &t[inicio + paso * i];
    campos[i].nombre.copy(d, nivel7 ? 31 : 10);
    d[nivel7 ? 32 : 11] = campos[i].tipo;
    if (visualFox) d[12] = static_cast<char>(desplazamiento);
    d[nivel7 ? 33 : 16] = static_cast<char>(campos[i].longitud);
    d[nivel7 ? 34 : 17] = static_cast<char>(campos[i].decimales);
    desplazamiento += static_cast<std::size_t>(campos[i].longitud);
  }
  t[inicio + paso * campos.size()] = 0x0D;

  for (const FilaAMano& fila : filas) {
    if (fila.valores.size() != campos.size())
      throw std::logic_error("fila con otro número de campos");
    t += fila.borrada ? '*' : ' ';
    for (std::size_t i = 0; i < campos.size(); ++i) {
      const CampoAMano& c = campos[i];
      std::string v = fila.valores[i];
      const std::size_t ancho = static_cast<std::size_t>(c.longitud);
      if (v.size() < ancho && (c.tipo == 'C' || c.tipo == 'L')) v.append(ancho - v.size(), ' ');
      if (v.size() < ancho && (c.tipo == 'N' || c.tipo == 'F' || c.tipo == 'D'))
        v.insert(0, ancho - v.size(), ' ');
      if (v.size() != ancho) throw std::logic_error("valor de otra longitud en " + c.nombre);
      t += v;
    }
  }
  t += '\x1A';
  return t;
}

}  // namespace vadelto::prueba
