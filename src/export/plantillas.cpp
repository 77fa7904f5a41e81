#include "export/plantillas.h"

#include "exchange/xml_document.h"

namespace vadelto {
namespace {

// Field positions in a template record and in a slot record.
constexpr std::size_t kCodigo = 0;
constexpr std::size_t kNombre = 1;
constexpr std::size_t kFechaInicio = 2;
constexpr std::size_t kFechaFin = 3;
constexpr std::size_t kTextoTramo = 1;
constexpr std::size_t kPlantillaDelTramo = 4;

}  // namespace

void ModeloPlantillas::Cargar(const std::filesystem::path& rutaXml) {
  xml::Document documento;
  documento.load(rutaXml);
  plantillas_ = LeerRegistros(documento, GrupoDatos::JornadasEscolares);
  tramos_ = LeerRegistros(documento, GrupoDatos::TramosHorarios);
}

std::vector<std::string> ModeloPlantillas::Codigos() const {
  std::vector<std::string> codigos;
  if (plantillas_.size() < 2) return codigos;
  for (const Registro& plantilla : plantillas_) codigos.push_back(plantilla.Texto(kCodigo));
  return codigos;
}

VistaPlantilla ModeloPlantillas::ComboBoxPlantillaChange(std::string_view texto) const {
  VistaPlantilla vista;
  if (plantillas_.size() >= 2) {
    for (const Registro& plantilla : plantillas_) {
      if (plantilla.Texto(kCodigo) != texto) continue;
      vista.Nombre = plantilla.Texto(kNombre);
      vista.Fecha1 = plantilla.Texto(kFechaInicio);
      vista.Fecha2 = plantilla.Texto(kFechaFin);
    }
  }
  if (tramos_.size() >= 2) {
    vista.Horas.emplace();
    for (const Registro& tramo : tramos_) {
      if (tramo.Texto(kPlantillaDelTramo) == texto)
        vista.Horas->push_back(tramo.Texto(kTextoTramo));
    }
  }
  return vista;
}

std::string PlantillaElegida(std::string_view texto) {
  auto esControlOBlanco = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!texto.empty() && esControlOBlanco(texto.front())) texto.remove_prefix(1);
  while (!texto.empty() && esControlOBlanco(texto.back())) texto.remove_suffix(1);
  return std::string(texto);
}

}  // namespace vadelto
