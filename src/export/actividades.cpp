#include "export/pasos.h"
#include "export/tabla_nueva.h"
#include "text/clipper.h"

namespace vadelto {

void AnadirActividades(ContextoExportacion& contexto) {
  const auto asignomt = AbrirTabla(contexto.carpetaTablas, TablaTrabajo::ASIGNOMT);
  for (const Registro& registro : contexto.Registros(GrupoDatos::Actividades)) {
    // A record without a name (fewer than three positions) is skipped like a shorter one.
    if (!registro.Tiene(2)) continue;
    const std::string nombre = registro.Recortado(2);
    const std::string actividad = registro.Recortado(1);
    asignomt->Append();
    asignomt->SetText("COD", actividad);
    asignomt->SetText("CODLARGO", Izquierda(nombre, 10));
    asignomt->SetText("NOMBRE", nombre);
    asignomt->SetText("CODTAREA", actividad);
    asignomt->SetBoolean("ESTAREA", true);
    asignomt->Post();
  }
  asignomt->Close();
  contexto.listas = {};  // the memory of step 1 ends here
}

}  // namespace vadelto
