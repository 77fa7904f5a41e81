#include "sesion/modo_incrustado.h"

#include "sesion/archivo_ini.h"
#include "tables/unidad.h"
#include "text/conversion.h"

namespace vadelto {

bool SeleccionaModoIncrustado(const std::vector<std::string>& parametros) {
  return parametros.size() == 2;
}

std::uint32_t ManejadorAnfitrion(const std::string& texto) {
  return static_cast<std::uint32_t>(StrToInt("$" + texto));
}

Accion AccionAlMostrar(const std::vector<std::string>& parametros) {
  if (!SeleccionaModoIncrustado(parametros)) return Accion::Ninguna;
  const std::string accion = MinusculasAscii(parametros[0]);
  if (accion == "importar") return Accion::Importar;
  if (accion == "exportar") return Accion::Exportar;
  return Accion::Ninguna;
}

std::filesystem::path RutaHoravelIni(const std::filesystem::path& carpetaPrograma) {
  return BuscarSinMayusculas(carpetaPrograma, "Horavel.ini");
}

void GuardarCodigoResultado(const Sesion& sesion) {
  if (!sesion.Incrustado()) return;
  ini::WriteValue(RutaHoravelIni(sesion.CarpetaPrograma), "Transformadores", "Transformado",
                  IntToStr(sesion.CodigoResultado));
}

}  // namespace vadelto
