#include "export/apoyo.h"

#include <cstring>

#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "text/cp1252.h"

namespace vadelto::prueba {
namespace {

std::string Escapado(std::string_view texto) {
  std::string resultado;
  for (char c : texto) {
    switch (c) {
      case '&':
        resultado += "&amp;";
        break;
      case '<':
        resultado += "&lt;";
        break;
      case '>':
        resultado += "&gt;";
        break;
      default:
        resultado += c;
    }
  }
  return resultado;
}

void Entero(std::string& bytes, std::size_t posicion, std::uint32_t valor, int tamano) {
  for (int i = 0; i < tamano; ++i) bytes[posicion + i] = static_cast<char>(valor >> (8 * i));
}

}  // namespace

DocumentoRacima& DocumentoRacima::Grupo(std::string seq, std::vector<Fila> registros) {
  for (auto& [nombre, anteriores] : grupos_) {
    if (nombre == seq) {
      anteriores = std::move(registros);
      return *this;
    }
  }
  grupos_.emplace_back(std::move(seq), std::move(registros));
  return *this;
}

std::string DocumentoRacima::Xml() const {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<SERVICIO modulo=\"HORARIOS\" tipo=\"E\" autor=\"RACIMA\">\n<BLOQUE_DATOS>\n"
      "<grupo_datos seq=\"ANNO_ACADEMICO\"><dato "
      "nombre_dato=\"C_ANNO\">2024</dato></grupo_datos>\n";
  for (const auto& [seq, registros] : grupos_) {
    xml += "<grupo_datos seq=\"" + seq + "\" registros=\"" + std::to_string(registros.size()) +
           "\">\n";
    for (std::size_t i = 0; i < registros.size(); ++i) {
      xml += "  <grupo_datos seq=\"ID_" + std::to_string(i + 1) + "\">";
      for (std::size_t p = 0; p < registros[i].size(); ++p) {
        xml += "<dato nombre_dato=\"D" + std::to_string(p) + "\">" + Escapado(registros[i][p]) +
               "</dato>";
      }
      xml += "</grupo_datos>\n";
    }
    xml += "</grupo_datos>\n";
  }
  return xml + "</BLOQUE_DATOS>\n</SERVICIO>\n";
}

std::filesystem::path DocumentoRacima::Escribir(const std::filesystem::path& ruta) const {
  EscribirArchivo(ruta, Xml());
  return ruta;
}

DocumentoRacima DocumentoCompleto() {
  return DocumentoRacima()
      .Grupo("MATERIAS", {{"6101", "301", "Matemáticas"}, {"6101", "302", "Lengua Castellana"}})
      .Grupo("ACTIVIDADES", {{"x", "901", "Guardia"}})
      .Grupo("EMPLEADOS", {{"E1", "01/09/2010", "X", "García", "López", "Ana"}})
      .Grupo("DEPENDENCIAS", {{"10234", "Aula 1.3"}})
      .Grupo("CURSOS_DEL_CENTRO", {{"6101", "1º ESO"}})
      .Grupo("UNIDADES", {{"7001", "1º ESO A", "6101"}})
      .Grupo("JORNADAS_ESCOLARES", {{"J1", "Mañana", "01/09/2010", "31/05/2011"}})
      .Grupo("TRAMOS_HORARIOS", {{"101", "1ª", "510", "565", "J1"}});
}

std::vector<Nivel> NivelesCompletos() {
  return {{6101, "ESO", "Educación Secundaria Obligatoria"}};
}

std::filesystem::path ArchivoDelRepositorio(const std::string& ruta) {
  return (std::filesystem::path(VADELTO_TEST_DATA) / ".." / ".." / ruta).lexically_normal();
}

std::vector<Fila> Filas(const std::filesystem::path& tabla,
                        const std::vector<std::string>& campos) {
  dbase::Table objeto(tabla, tabla.filename().string());
  objeto.Open(dbase::Access::Shared);
  std::vector<Fila> filas;
  for (objeto.First(); !objeto.Eof(); objeto.Next()) {
    Fila fila;
    for (const auto& campo : campos) fila.push_back(Utf8DesdeAnsi(objeto.GetText(campo)));
    filas.push_back(std::move(fila));
  }
  return filas;
}

void EscribirNivellari(const std::filesystem::path& carpeta, const std::vector<Nivel>& niveles) {
  using dbase::FieldKind;
  const auto archivo = carpeta / "NIVELLARI.DBF";
  dbase::CreateTable(archivo, "NIVELLARI.DBF",
                     {{"X_OFERTAMATRIG", FieldKind::Integer},
                      {"NIVEL_ABREV", FieldKind::Text, 10},
                      {"ESTUDIO", FieldKind::Text, 80}});
  dbase::Table tabla(archivo, "NIVELLARI.DBF");
  tabla.Open(dbase::Access::Exclusive);
  for (const Nivel& nivel : niveles) {
    tabla.Append();
    tabla.SetInteger("X_OFERTAMATRIG", nivel.oferta);
    tabla.SetText("NIVEL_ABREV", AnsiDesdeUtf8(nivel.nivel));
    tabla.SetText("ESTUDIO", AnsiDesdeUtf8(nivel.estudio));
    tabla.Post();
  }
  tabla.Close();
}

void EscribirTablaNivel7(const std::filesystem::path& archivo,
                         const std::vector<CampoCrudo>& campos, const std::vector<Fila>& filas) {
  const std::size_t cabecera = 68 + 48 * campos.size() + 1;
  std::size_t registro = 1;
  for (const auto& campo : campos) registro += campo.ancho;
  std::string bytes(cabecera, '\0');
  bytes[0] = 0x04;
  bytes[1] = 124;  // 2024-06-15
  bytes[2] = 6;
  bytes[3] = 15;
  Entero(bytes, 4, static_cast<std::uint32_t>(filas.size()), 4);
  Entero(bytes, 8, static_cast<std::uint32_t>(cabecera), 2);
  Entero(bytes, 10, static_cast<std::uint32_t>(registro), 2);
  std::memcpy(&bytes[32], "DBWINUS0", 8);
  for (std::size_t i = 0; i < campos.size(); ++i) {
    const std::size_t base = 68 + 48 * i;
    std::memcpy(&bytes[base], campos[i].nombre.data(), campos[i].nombre.size());
    bytes[base + 32] = campos[i].tipo;
    bytes[base + 33] = static_cast<char>(campos[i].ancho);
  }
  bytes[cabecera - 1] = 0x0D;
  for (Fila fila : filas) {
    const bool borrada = !fila.empty() && fila.front() == "*";
    if (borrada) fila.erase(fila.begin());
    bytes += borrada ? '*' : ' ';
    for (std::size_t i = 0; i < campos.size(); ++i) {
      std::string valor = AnsiDesdeUtf8(fila[i]);
      const std::size_t relleno = campos[i].ancho - valor.size();
      bytes += campos[i].tipo == 'N' ? std::string(relleno, ' ') + valor
                                     : valor + std::string(relleno, ' ');
    }
  }
  bytes += '\x1A';
  EscribirArchivo(archivo, bytes);
}

void InterfazPrueba::MostrarMensaje(const std::string& texto) {
  mensajes.push_back(Utf8DesdeAnsi(texto));
}

std::string InterfazPrueba::ElegirPlantilla(const std::filesystem::path& rutaXml) {
  plantillasPedidas.push_back(rutaXml);
  return AnsiDesdeUtf8(plantilla);
}

}  // namespace vadelto::prueba
