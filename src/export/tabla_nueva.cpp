#include "export/tabla_nueva.h"

namespace vadelto {

std::unique_ptr<dbase::Table> AbrirTabla(const std::filesystem::path& carpeta, TablaTrabajo tabla) {
  auto objeto = ObjetoTabla(carpeta, Definicion(tabla).nombre + ".DBF");
  objeto->Open(dbase::Access::Shared);
  return objeto;
}

std::unique_ptr<dbase::Table> RecrearYAbrir(const std::filesystem::path& carpeta,
                                            TablaTrabajo tabla) {
  RecrearTabla(carpeta, tabla);
  return AbrirTabla(carpeta, tabla);
}

}  // namespace vadelto
