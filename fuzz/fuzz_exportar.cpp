// The XML document service's load on arbitrary bytes, and the exchange document's reading of
// every data group from what it loaded.

#include "exchange/documento_intercambio.h"
#include "exchange/xml_document.h"
#include "soporte/unidad_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vadelto;
  const auto ruta = fuzz::Raiz() / "documento.xml";
  fuzz::Escribir(ruta, fuzz::Bytes(data, size));
  xml::Document documento;
  documento.load(ruta);
  for (GrupoDatos grupo :
       {GrupoDatos::Materias, GrupoDatos::Actividades, GrupoDatos::Empleados,
        GrupoDatos::Dependencias, GrupoDatos::CursosDelCentro, GrupoDatos::Unidades,
        GrupoDatos::JornadasEscolares, GrupoDatos::TramosHorarios}) {
    for (const Registro& registro : LeerRegistros(documento, grupo)) {
      for (std::size_t i = 0; i < registro.Cantidad(); ++i) registro.Recortado(i);
    }
  }
  if (auto bloque = documento.selectSingleNode("/SERVICIO/BLOQUE_DATOS")) {
    if (auto primero = bloque.firstChild()) primero.text();
  }
  return 0;
}
