#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "exchange/xml_document.h"
#include "export/apoyo.h"
#include "export/contexto.h"
#include "sesion/sesion.h"
#include "support/temp_drive.h"

namespace vadelto::prueba {

// One export step run on its own: a document, a tables folder, a program folder.
class PruebaPaso : public ::testing::Test {
 protected:
  PruebaPaso() {
    sesion.CarpetaPrograma = programa;
    sesion.CarpetaTablas = tablas;
  }

  ContextoExportacion& Contexto(const DocumentoRacima& documentoRacima) {
    sesion.RutaXML = documentoRacima.Escribir(unidad.Carpeta("documentos") / "racima.xml");
    documento.load(sesion.RutaXML);
    return contexto.emplace(documento, tablas, sesion, interfaz);
  }

  std::vector<Fila> Tabla(const std::string& nombre, const std::vector<std::string>& campos) {
    return Filas(tablas / (nombre + ".DBF"), campos);
  }

  UnidadTemporal unidad;
  const std::filesystem::path tablas = unidad.Carpeta("tablas");
  const std::filesystem::path programa = unidad.Carpeta("programa");
  Sesion sesion;
  InterfazPrueba interfaz;
  xml::Document documento;
  std::optional<ContextoExportacion> contexto;
};

}  // namespace vadelto::prueba
