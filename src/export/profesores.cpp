#include "export/pasos.h"
#include "export/tabla_nueva.h"
#include "text/clipper.h"

namespace vadelto {
namespace {

// The first character of a name part as the document gives it, before trimming.
std::string Inicial(const Registro& registro, std::size_t posicion) {
  return Izquierda(registro.Texto(posicion), 1);
}

}  // namespace

void CrearTablaProfesores(ContextoExportacion& contexto) {
  const auto proft = RecrearYAbrir(contexto.carpetaTablas, TablaTrabajo::PROFT);
  CodigosEmitidos emitidos(CodigosEmitidos::Mayusculas::NoDistinguen, 10);
  for (const Registro& registro : contexto.Registros(GrupoDatos::Empleados)) {
    // The three name parts are positions 3 to 5: a record lacking one is skipped, as one with
    // fewer than two positions is, rather than giving a teacher a code from a partial name.
    if (!registro.Tiene(5)) continue;
    const std::string codigo =
        emitidos.Emitir(Inicial(registro, 3) + Inicial(registro, 4) + Inicial(registro, 5));
    proft->Append();
    proft->SetText("ABREV", codigo);
    proft->SetText("NOMBRE", registro.Recortado(3) + " " + registro.Recortado(4) + ", " +
                                 registro.Recortado(5));
    proft->SetText("DEPART", "");
    proft->SetText("X_EMPLEADO", registro.Recortado(0));
    proft->SetText("F_TOMAPOS", registro.Recortado(1));
    proft->Post();
  }
  proft->Close();
}

}  // namespace vadelto
