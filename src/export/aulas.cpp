#include "export/pasos.h"
#include "export/tabla_nueva.h"
#include "text/clipper.h"

namespace vadelto {

void CrearTablaAulas(ContextoExportacion& contexto) {
  const auto aulat = RecrearYAbrir(contexto.carpetaTablas, TablaTrabajo::AULAT);
  // Room codes are unique whole; only their last four characters reach ABREV.
  CodigosEmitidos emitidos(CodigosEmitidos::Mayusculas::NoDistinguen, 0);
  for (const Registro& registro : contexto.Registros(GrupoDatos::Dependencias)) {
    if (!registro.Tiene(1)) continue;
    const std::string id = registro.Recortado(0);
    const std::string nombre = registro.Recortado(1);
    const std::string codigo = emitidos.Emitir(id.empty() ? Izquierda(nombre, 6) : id);
    aulat->Append();
    aulat->SetText("ABREV", Derecha(codigo, 4));
    aulat->SetText("NOMBRE", nombre);
    aulat->SetText("DEPCENTRO", id);
    aulat->Post();
  }
  aulat->Close();
}

}  // namespace vadelto
