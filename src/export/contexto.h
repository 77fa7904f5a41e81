#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "exchange/documento_intercambio.h"
#include "exchange/xml_document.h"
#include "export/codigos_emitidos.h"
#include "sesion/interfaz.h"
#include "sesion/sesion.h"
#include "tables/tablas_trabajo.h"

namespace vadelto {

// The memory of step 1: the subjects recorded as new in this export. Sorted, letter case counts.
struct ListasMaterias {
  CodigosEmitidos ListaCodigos{CodigosEmitidos::Mayusculas::Distinguen, 10};
  std::set<std::string> ListaCodigosLargos;
  std::set<std::string> ListaNombres;
  std::set<std::string> ListaCodigoNombre;
};

// What the seven steps of one export attempt share. A fresh context for every attempt, so a
// repeated export starts with empty code lists and a level table component of its own.
struct ContextoExportacion {
  ContextoExportacion(const xml::Document& documento, std::filesystem::path carpetaTablas,
                      Sesion& sesion, Interfaz& interfaz)
      : documento(documento),
        carpetaTablas(std::move(carpetaTablas)),
        sesion(sesion),
        interfaz(interfaz),
        componentes(this->carpetaTablas, sesion.CarpetaPrograma) {}

  std::vector<Registro> Registros(GrupoDatos grupo) const {
    return LeerRegistros(documento, grupo);
  }

  const xml::Document& documento;
  // Where the steps build the tables: the export's staging folder, not C:\HVDAT itself.
  const std::filesystem::path carpetaTablas;
  Sesion& sesion;
  Interfaz& interfaz;
  // The window's table components, on the staged tables (NIVELLARI.DBF beside the program).
  ComponentesTablas componentes;
  ListasMaterias listas;
};

}  // namespace vadelto
