#include "sesion/modo_incrustado.h"

#include <gtest/gtest.h>

#include "support/temp_drive.h"
#include "text/error.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

struct CasoLinea {
  std::vector<std::string> parametros;
  bool incrustado;
  Accion accion;
};

TEST(ModoIncrustado, LineaDeOrdenes) {
  const CasoLinea casos[] = {
      {{}, false, Accion::Ninguna},
      {{"exportar"}, false, Accion::Ninguna},
      {{"exportar", "1A2B", "x"}, false, Accion::Ninguna},
      {{"EXPORTAR", "1A2B"}, true, Accion::Exportar},
      {{"exportar", "zz"}, true, Accion::Exportar},
      {{"ImPorTar", "1a2b"}, true, Accion::Importar},
      {{"borrar", "1A2B"}, true, Accion::Ninguna},
      {{"exportar ", "1A2B"}, true, Accion::Ninguna},
      {{"\xC9XPORTAR", "1A2B"}, true, Accion::Ninguna},
  };
  for (const CasoLinea& caso : casos) {
    SCOPED_TRACE(testing::PrintToString(caso.parametros));
    EXPECT_EQ(SeleccionaModoIncrustado(caso.parametros), caso.incrustado);
    EXPECT_EQ(AccionAlMostrar(caso.parametros), caso.accion);
  }
}

TEST(ModoIncrustado, ManejadorEnHexadecimal) {
  EXPECT_EQ(ManejadorAnfitrion("1A2B"), 0x1A2Bu);
  EXPECT_EQ(ManejadorAnfitrion("1a2b"), 0x1A2Bu);
  EXPECT_EQ(ManejadorAnfitrion("FFFFFFFF"), 0xFFFFFFFFu);
  for (const std::string texto : {"zz", "", "0x1A", "-1A", "123456789", "1A 2B"}) {
    try {
      ManejadorAnfitrion(texto);
      ADD_FAILURE() << texto;
    } catch (const Error& error) {
      EXPECT_EQ(error.Mensaje(), "'$" + texto + "' no es un valor entero v\xE1lido");
    }
  }
}

TEST(ModoIncrustado, CodigoResultadoSoloAlEstarIncrustado) {
  prueba::UnidadTemporal unidad;
  Sesion sesion;
  sesion.CarpetaPrograma = unidad.Carpeta("programa");
  sesion.CodigoResultado = 1;
  GuardarCodigoResultado(sesion);
  EXPECT_TRUE(prueba::Instantanea(sesion.CarpetaPrograma).empty());

  sesion.ModoIncrustado = 2;
  sesion.CodigoResultado = -1;
  GuardarCodigoResultado(sesion);
  EXPECT_EQ(prueba::LeerArchivo(sesion.CarpetaPrograma / "Horavel.ini"),
            "[Transformadores]\r\nTransformado=-1\r\n");
}

TEST(ModoIncrustado, HoravelIniEnCualquierMayuscula) {
  prueba::UnidadTemporal unidad;
  Sesion sesion;
  sesion.CarpetaPrograma = unidad.Carpeta("programa");
  sesion.ModoIncrustado = 2;
  prueba::EscribirArchivo(sesion.CarpetaPrograma / "HORAVEL.INI", "[Otra]\r\nA=1\r\n");
  GuardarCodigoResultado(sesion);
  EXPECT_EQ(prueba::Instantanea(sesion.CarpetaPrograma),
            (std::map<std::string, std::string>{
                {"HORAVEL.INI", "[Otra]\r\nA=1\r\n[Transformadores]\r\nTransformado=0\r\n"}}));
}

}  // namespace
}  // namespace vadelto
