#include "import/importar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <regex>

#include "import/apoyo_importacion.h"
#include "import/escuela_ejemplo.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;
using prueba::InterfazPrueba;

const fs::path kDatos = fs::path(VADELTO_TEST_DATA) / "import";

std::string SinFecha(const std::string& documento) {
  return std::regex_replace(documento, std::regex(" fecha=\"[^\"]*\""), " fecha=\"\"");
}

bool XmllintAcepta(const fs::path& archivo) {
  return std::system(("xmllint --noout '" + archivo.string() + "'").c_str()) == 0;
}

class Importacion : public ::testing::Test {
 protected:
  Importacion() {
    prueba::CrearTablasEscuela(unidad_.Hvdat());
    sesion_.CarpetaTablas = unidad_.Hvdat();
    sesion_.CarpetaPrograma = unidad_.Carpeta("programa");
  }

  // The named test document copied into a folder of Racima's; the dialog will choose it.
  fs::path Elegir(const std::string& nombre) {
    const fs::path ruta = unidad_.Carpeta("racima") / nombre;
    fs::copy_file(kDatos / nombre, ruta, fs::copy_options::overwrite_existing);
    interfaz_.documento = ruta;
    return ruta;
  }
  fs::path Resultado(const std::string& nombre) {
    return unidad_.Carpeta("racima") / ("ResultadoHoravel" + nombre);
  }

  // Runs the import; an error it raises comes back as its message.
  std::string Importar() {
    try {
      BImportarClick(sesion_, interfaz_);
    } catch (const Error& error) {
      return error.Mensaje();
    }
    return {};
  }

  void EsperarFinSinCambios() {
    EXPECT_EQ(sesion_.CodigoResultado, 0);
    EXPECT_EQ(interfaz_.botonesDesactivados, 0);
    EXPECT_EQ(interfaz_.ventanasCerradas, 0);
    ASSERT_FALSE(interfaz_.reloj.empty());
    EXPECT_FALSE(interfaz_.reloj.back()) << "el cursor sigue en reloj de arena";
    prueba::EsperarTablasLibres(unidad_.Hvdat());
  }

  prueba::UnidadTemporal unidad_;
  Sesion sesion_;
  InterfazPrueba interfaz_;
};

class IdaYVuelta : public Importacion,
                   public ::testing::WithParamInterface<std::tuple<std::string, bool>> {};

TEST_P(IdaYVuelta, ElDocumentoResultadoEsElEsperado) {
  const auto& [documento, solucNivel7] = GetParam();
  if (solucNivel7) {
    prueba::EscribirSolucNivel7(unidad_.Hvdat(), prueba::SolucEscuela());
  } else {
    prueba::EscribirSolucDbase3(unidad_.Hvdat(), prueba::SolucEscuela());
  }
  const fs::path elegido = Elegir(documento);
  const std::string original = prueba::LeerArchivo(elegido);
  prueba::EscribirArchivo(Resultado(documento), "anterior");

  ASSERT_EQ(Importar(), "");

  const std::string escrito = prueba::LeerArchivo(Resultado(documento));
  EXPECT_EQ(SinFecha(escrito), prueba::LeerArchivo(kDatos / ("ResultadoHoravel" + documento)));
  EXPECT_TRUE(XmllintAcepta(Resultado(documento)));
  EXPECT_EQ(prueba::LeerArchivo(elegido), original);
  EXPECT_EQ(interfaz_.mensajes, std::vector<std::string>{mensajes::ProcesoFinalizado()});
  EXPECT_EQ(interfaz_.reloj, (std::vector<bool>{true, false}));
  EXPECT_EQ(sesion_.CodigoResultado, 1);
  EXPECT_EQ(sesion_.RutaXML, elegido);
  EXPECT_EQ(interfaz_.botonesDesactivados, 1);
  EXPECT_EQ(interfaz_.ventanasCerradas, 0);
  prueba::EsperarTablasLibres(unidad_.Hvdat());
}

INSTANTIATE_TEST_SUITE_P(DocumentosYNiveles, IdaYVuelta,
                         ::testing::Combine(::testing::Values("horarios.xml",
                                                              "sin-declaracion.xml"),
                                            ::testing::Bool()));

TEST_F(Importacion, IncrustadoCierraLaVentanaTrasTerminar) {
  prueba::EscribirSolucDbase3(unidad_.Hvdat(), prueba::SolucEscuela());
  sesion_.ModoIncrustado = 2;
  Elegir("horarios.xml");
  ASSERT_EQ(Importar(), "");
  EXPECT_EQ(sesion_.CodigoResultado, 1);
  EXPECT_EQ(interfaz_.ventanasCerradas, 1);
}

TEST_F(Importacion, DialogoCanceladoUsaElDocumentoElegidoAntes) {
  prueba::EscribirSolucDbase3(unidad_.Hvdat(), prueba::SolucEscuela());
  sesion_.RutaXML = Elegir("horarios.xml");
  interfaz_.documento.reset();
  ASSERT_EQ(Importar(), "");
  EXPECT_TRUE(fs::exists(Resultado("horarios.xml")));
}

TEST_F(Importacion, DialogoCanceladoSinDocumentoAnterior) {
  for (const bool incrustado : {false, true}) {
    SCOPED_TRACE(incrustado);
    Sesion sesion;
    sesion.ModoIncrustado = incrustado ? 2 : 0;
    InterfazPrueba interfaz;
    const auto antes = prueba::Instantanea(unidad_.Raiz());
    BImportarClick(sesion, interfaz);
    EXPECT_EQ(interfaz.mensajes, std::vector<std::string>{mensajes::NoExisteArchivo()});
    EXPECT_EQ(sesion.CodigoResultado, incrustado ? -1 : 0);
    EXPECT_EQ(interfaz.ventanasCerradas, incrustado ? 1 : 0);
    EXPECT_TRUE(interfaz.reloj.empty());
    EXPECT_EQ(prueba::Instantanea(unidad_.Raiz()), antes);
  }
}

TEST_F(Importacion, SinPeriodosAvisaYDejaLasTablasLibres) {
  prueba::EscribirSolucDbase3(unidad_.Hvdat(), prueba::SolucEscuela());
  fs::remove(unidad_.Hvdat() / "PERIODOS.DBF");
  Elegir("horarios.xml");
  ASSERT_EQ(Importar(), "");
  EXPECT_EQ(interfaz_.mensajes, std::vector<std::string>{mensajes::PeriodosNoEncontrado()});
  EXPECT_FALSE(fs::exists(Resultado("horarios.xml")));
  EsperarFinSinCambios();
}

TEST_F(Importacion, PeriodosVacioDaFechasVacias) {
  prueba::CrearConFilas(unidad_.Hvdat(), TablaTrabajo::PERIODOS, {});
  prueba::EscribirSolucDbase3(unidad_.Hvdat(), {{"ANA", "1", "1", "MAT", "1A", "", ""}});
  Elegir("horarios.xml");
  ASSERT_EQ(Importar(), "");
  const std::string escrito = prueba::LeerArchivo(Resultado("horarios.xml"));
  EXPECT_NE(escrito.find("<dato nombre_dato=\"F_INICIO\"/><dato nombre_dato=\"F_FIN\"/>"),
            std::string::npos);
}

struct DocumentoMalo {
  const char* caso;
  const char* contenido;
  bool legible;
};

class DocumentoRechazado : public Importacion,
                           public ::testing::WithParamInterface<DocumentoMalo> {};

TEST_P(DocumentoRechazado, ConMensajeYSinTocarNada) {
  prueba::EscribirSolucDbase3(unidad_.Hvdat(), prueba::SolucEscuela());
  const fs::path ruta = unidad_.Carpeta("racima") / "malo.xml";
  prueba::EscribirArchivo(ruta, GetParam().contenido);
  interfaz_.documento = ruta;
  const auto antes = prueba::Instantanea(unidad_.Raiz());

  const std::string texto = AnsiDesdeUtf8(ruta.string());
  EXPECT_EQ(Importar(), GetParam().legible ? mensajes::DocumentoSinAnnoAcademico(texto)
                                           : mensajes::DocumentoIlegible(texto));
  EXPECT_EQ(prueba::Instantanea(unidad_.Raiz()), antes);
  EsperarFinSinCambios();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DocumentoRechazado,
    ::testing::Values(DocumentoMalo{"vacio", "", false},
                      DocumentoMalo{"cortado", "<SERVICIO><BLOQUE_DATOS><grupo_datos>", false},
                      DocumentoMalo{"otra_raiz",
                                    "<RESPUESTA><BLOQUE_DATOS>2010</BLOQUE_DATOS></RESPUESTA>",
                                    true},
                      DocumentoMalo{"sin_bloque", "<SERVICIO><DATOS>2010</DATOS></SERVICIO>", true},
                      DocumentoMalo{"bloque_vacio", "<SERVICIO><BLOQUE_DATOS/></SERVICIO>", true}),
    [](const auto& info) { return std::string(info.param.caso); });

// SOLUC comes from Horavel: whatever is wrong with it reaches the user naming the table, and
// the tables opened before the failing one are closed again.
TEST_F(Importacion, TablaQueNoSePuedeAbrir) {
  const std::string completo = prueba::SolucDbase3(prueba::SolucEscuela());
  const fs::path soluc = unidad_.Hvdat() / "SOLUC.DBF";
  std::unique_ptr<dbase::Table> bloqueo;
  const auto bloquear = [&](const std::string& nombre) {
    bloqueo = std::make_unique<dbase::Table>(unidad_.Hvdat() / nombre, RotuloTabla(nombre));
    bloqueo->Open(dbase::Access::Exclusive);
  };
  struct Caso {
    const char* nombre;
    const char* tabla;
    std::function<void()> preparar;
  };
  const Caso casos[] = {
      {"soluc_falta", "SOLUC.DBF", [&] { fs::remove(soluc); }},
      {"soluc_cortada", "SOLUC.DBF",
       [&] { prueba::EscribirArchivo(soluc, completo.substr(0, 300)); }},
      {"soluc_sin_cabecera", "SOLUC.DBF",
       [&] { prueba::EscribirArchivo(soluc, completo.substr(0, 20)); }},
      {"soluc_bloqueada", "SOLUC.DBF", [&] { bloquear("SOLUC.DBF"); }},
      {"asigt_bloqueada", "ASIGT.DBF", [&] { bloquear("ASIGT.DBF"); }},
  };
  Elegir("horarios.xml");
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    prueba::EscribirArchivo(soluc, completo);
    interfaz_.reloj.clear();
    caso.preparar();
    const std::string mensaje = Importar();
    EXPECT_NE(mensaje.find(RotuloTabla(caso.tabla)), std::string::npos) << mensaje;
    EXPECT_FALSE(fs::exists(Resultado("horarios.xml")));
    bloqueo.reset();
    prueba::EscribirArchivo(soluc, completo);
    EsperarFinSinCambios();
  }
}

TEST_F(Importacion, HoraIlegibleTerminaSinTocarElResultadoAnterior) {
  prueba::CrearConFilas(unidad_.Hvdat(), TablaTrabajo::DIASHORAST,
                        {{{"DIHO", "11"}, {"HORADESDE", "9:5"}, {"HORAHASTA", "10:00"}}});
  prueba::EscribirSolucDbase3(unidad_.Hvdat(), {{"ANA", "1", "1", "MAT", "1A", "", ""}});
  Elegir("horarios.xml");
  prueba::EscribirArchivo(Resultado("horarios.xml"), "anterior");
  EXPECT_EQ(Importar(), mensajes::NoEsEntero(":5"));
  EXPECT_EQ(prueba::LeerArchivo(Resultado("horarios.xml")), "anterior");
  EsperarFinSinCambios();
}

}  // namespace
}  // namespace vadelto
