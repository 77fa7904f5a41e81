#pragma once

#include "export/contexto.h"

// The seven steps of the export, in the order the driver runs them. Each rebuilds its tables in
// the context's folder from its data groups of the document.
namespace vadelto {

void CrearTablasMaterias(ContextoExportacion& contexto);      // ASIGNOMT, ASIGNOMT2
void AnadirActividades(ContextoExportacion& contexto);        // activities into ASIGNOMT
void CrearTablaProfesores(ContextoExportacion& contexto);     // PROFT
void CrearTablaAulas(ContextoExportacion& contexto);          // AULAT
void CrearTablasCursosGrupos(ContextoExportacion& contexto);  // CURSOST, GRUPOST
void CrearTablaAsignaciones(ContextoExportacion& contexto);   // ASIGT
void CrearTablasHorarias(ContextoExportacion& contexto);      // DIASHORAST(2), PERIODOS

}  // namespace vadelto
