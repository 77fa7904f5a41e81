#pragma once

// What the export's tests share: small Racima documents, reading tables back as UTF-8 rows,
// level tables, and an Interfaz that records what the export asked of it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sesion/interfaz.h"

namespace vadelto::prueba {

using Fila = std::vector<std::string>;  // UTF-8 texts: dato values in, field values out

// A Racima exchange document: data groups by seq, each record a list of dato texts.
class DocumentoRacima {
 public:
  // Sets the data group `seq`, replacing one set before.
  DocumentoRacima& Grupo(std::string seq, std::vector<Fila> registros);
  std::string Xml() const;
  // Writes the document (UTF-8) and returns the path.
  std::filesystem::path Escribir(const std::filesystem::path& ruta) const;

 private:
  std::vector<std::pair<std::string, std::vector<Fila>>> grupos_;
};

// A file of the repository, by its path there ("data/nivellari.csv").
std::filesystem::path ArchivoDelRepositorio(const std::string& ruta);

// The rows of a table, each the named fields read as text (Windows-1252 turned to UTF-8).
std::vector<Fila> Filas(const std::filesystem::path& tabla, const std::vector<std::string>& campos);

struct Nivel {
  std::int32_t oferta;
  std::string nivel;    // UTF-8
  std::string estudio;  // UTF-8
};
// NIVELLARI.DBF in `carpeta`, as the build writes it.
void EscribirNivellari(const std::filesystem::path& carpeta, const std::vector<Nivel>& niveles);

// A small document with every data group: two subjects of course offering 6101, an activity,
// a teacher, a room, a course, its group, and the template J1 with one slot.
DocumentoRacima DocumentoCompleto();
// The level table that goes with it: 6101 is ESO.
std::vector<Nivel> NivelesCompletos();

// A level-7 table written byte by byte, as other software may: C and N fields only, a deleted
// row when a row starts with "*".
struct CampoCrudo {
  std::string nombre;
  char tipo;  // 'C' or 'N'
  int ancho;
};
void EscribirTablaNivel7(const std::filesystem::path& archivo,
                         const std::vector<CampoCrudo>& campos, const std::vector<Fila>& filas);

class InterfazPrueba : public Interfaz {
 public:
  std::optional<std::filesystem::path> ElegirDocumento() override { return documento; }
  void MostrarMensaje(const std::string& texto) override;
  void RelojDeArena(bool activo) override { reloj.push_back(activo); }
  std::string ElegirPlantilla(const std::filesystem::path& rutaXml) override;
  void DesactivarBotones() override { ++botonesDesactivados; }
  void CerrarVentana() override { ++ventanasCerradas; }

  std::optional<std::filesystem::path> documento;  // what the open dialog returns
  std::string plantilla;                           // what the template dialog returns (UTF-8)
  std::vector<std::string> mensajes;               // UTF-8
  std::vector<bool> reloj;
  std::vector<std::filesystem::path> plantillasPedidas;
  int botonesDesactivados = 0;
  int ventanasCerradas = 0;
};

}  // namespace vadelto::prueba
