#include "export/exportar.h"

#include <gmock/gmock.h>

#include <gtest/gtest.h>
#include <sstream>

#include "export/apoyo.h"
#include "sesion/sesion.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "tables/lectores.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::prueba {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::UnorderedElementsAre;

std::vector<std::string> Nombres(const fs::path& carpeta) {
  std::vector<std::string> nombres;
  for (const auto& entrada : fs::directory_iterator(carpeta)) {
    nombres.push_back(entrada.path().filename().string());
  }
  return nombres;
}

class Exportacion : public ::testing::Test {
 protected:
  Exportacion() {
    EscribirNivellari(programa, NivelesCompletos());
    sesion.CarpetaPrograma = programa;
    sesion.CarpetaTablas = unidad.Hvdat();
    interfaz.documento = Documento(DocumentoCompleto());
  }

  fs::path Documento(const DocumentoRacima& documento, const std::string& nombre = "racima.xml") {
    return documento.Escribir(unidad.Carpeta("documentos") / nombre);
  }

  // The working tables of an earlier export, with what earlier versions and Horavel left.
  void TablasAnteriores() {
    for (TablaTrabajo tabla : TodasLasTablas()) CrearTabla(unidad.Hvdat(), tabla);
    fs::rename(unidad.Hvdat() / "PROFT.DBF", unidad.Hvdat() / "proft.dbf");
    EscribirArchivo(unidad.Hvdat() / "JORNADAS.DBF", "antigua");
    EscribirArchivo(unidad.Hvdat() / "ASIGNOMT.MDX", "antiguo");
    EscribirArchivo(unidad.Hvdat() / "SOLUC.DBF", "de Horavel");
    EscribirArchivo(unidad.Hvdat() / "Horavel.cfg", "de Horavel");
  }

  std::string Exportar() {
    try {
      BExportarClick(sesion, interfaz);
      return {};
    } catch (const Error& error) {
      return Utf8DesdeAnsi(error.Mensaje());
    }
  }

  std::vector<Fila> Tabla(const std::string& nombre, const std::vector<std::string>& campos) {
    return Filas(unidad.Hvdat() / (nombre + ".DBF"), campos);
  }

  UnidadTemporal unidad;
  const fs::path programa = unidad.Carpeta("programa");
  Sesion sesion;
  InterfazPrueba interfaz;
};

TEST_F(Exportacion, ReconstruyeLasDiezTablas) {
  TablasAnteriores();
  EXPECT_EQ(Exportar(), "");
  EXPECT_THAT(interfaz.mensajes, ElementsAre("Proceso finalizado"));
  EXPECT_THAT(interfaz.reloj, ElementsAre(true, false));
  EXPECT_EQ(sesion.CodigoResultado, 1);
  EXPECT_EQ(interfaz.botonesDesactivados, 1);
  EXPECT_EQ(interfaz.ventanasCerradas, 0);
  EXPECT_THAT(
      Nombres(unidad.Hvdat()),
      UnorderedElementsAre("ASIGNOMT.DBF", "ASIGNOMT2.DBF", "PROFT.DBF", "AULAT.DBF", "CURSOST.DBF",
                           "GRUPOST.DBF", "ASIGT.DBF", "DIASHORAST.DBF", "DIASHORAST2.DBF",
                           "DIASHORAST2.MDX", "PERIODOS.DBF", "SOLUC.DBF", "Horavel.cfg"));
  EXPECT_EQ(LeerArchivo(unidad.Hvdat() / "SOLUC.DBF"), "de Horavel");

  EXPECT_THAT(Tabla("ASIGNOMT", {"COD", "ESTAREA"}),
              ElementsAre(Fila{"Matemá", "F"}, Fila{"LC", "F"}, Fila{"901", "T"}));
  EXPECT_THAT(Tabla("ASIGNOMT2", {"COD", "OFERTAMATRI"}),
              ElementsAre(Fila{"Matemá", "6101"}, Fila{"LC", "6101"}));
  EXPECT_THAT(Tabla("PROFT", {"ABREV", "X_EMPLEADO"}), ElementsAre(Fila{"GLA", "E1"}));
  EXPECT_THAT(Tabla("AULAT", {"ABREV"}), ElementsAre(Fila{"0234"}));
  EXPECT_THAT(Tabla("CURSOST", {"CLAVE", "NIVEL"}), ElementsAre(Fila{"6101", "ESO"}));
  EXPECT_THAT(Tabla("GRUPOST", {"ABREV", "NIVEL"}), ElementsAre(Fila{"1ºESOA", "ESO"}));
  EXPECT_THAT(Tabla("ASIGT", {"CASIG", "CGRUP"}),
              ElementsAre(Fila{"Matemá", "1ºESOA"}, Fila{"LC", "1ºESOA"}));
  EXPECT_EQ(Tabla("DIASHORAST", {"DIHO"}).size(), 7u);
  EXPECT_EQ(Tabla("DIASHORAST2", {"DIHO"}).size(), 7u);
  EXPECT_THAT(Tabla("PERIODOS", {"CJORNADA"}), ElementsAre(Fila{"J1"}));
}

TEST_F(Exportacion, IncrustadaCierraLaVentana) {
  sesion.ModoIncrustado = 2;
  EXPECT_EQ(Exportar(), "");
  EXPECT_EQ(sesion.CodigoResultado, 1);
  EXPECT_EQ(interfaz.ventanasCerradas, 1);
}

TEST_F(Exportacion, DosPlantillasPreguntaAlUsuario) {
  interfaz.documento = Documento(
      DocumentoCompleto()
          .Grupo("JORNADAS_ESCOLARES", {{"J1", "Mañana", "a", "b"}, {"J2", "Tarde", "c", "d"}})
          .Grupo("TRAMOS_HORARIOS", {{"201", "1ª", "960", "1015", "J2"}}));
  interfaz.plantilla = "J2";
  EXPECT_EQ(Exportar(), "");
  EXPECT_THAT(interfaz.plantillasPedidas, ElementsAre(sesion.RutaXML));
  EXPECT_EQ(sesion.CodigoPlantilla, "J2");
  EXPECT_THAT(Tabla("PERIODOS", {"CJORNADA", "FECINI"}), ElementsAre(Fila{"J2", "c"}));
  EXPECT_THAT(Tabla("DIASHORAST", {"CODDIHO"}).front(), ElementsAre("201"));
}

TEST_F(Exportacion, LasTablasLasLeeTdbfComoNosotros) {
  if (!DbfCheck()) GTEST_SKIP() << "dbfcheck no está construido (falta fpc)";
  interfaz.documento = Documento(
      DocumentoCompleto().Grupo("TRAMOS_HORARIOS", {{"201", "1ª", "960", "1015", "J1"},
                                                    {"203", "3ª", "1070", "1125", "J1"},
                                                    {"202", "2ª", "1015", "1070", "J1"}}));
  ASSERT_EQ(Exportar(), "");
  for (TablaTrabajo tabla : TodasLasTablas()) {
    const fs::path archivo = unidad.Hvdat() / (Definicion(tabla).nombre + ".DBF");
    SCOPED_TRACE(archivo.filename());
    const TablaLeida nuestra = LeerConNuestroMotor(archivo);
    EXPECT_FALSE(nuestra.filas.empty());
    ExpectMismaLectura(LeerConTdbf(archivo), nuestra);
  }
  // On Linux TDbf looks for the production index as .mdx unless the whole path is in capitals.
  const fs::path copia = unidad.Carpeta("tdbf");
  fs::copy_file(unidad.Hvdat() / "DIASHORAST2.DBF", copia / "DIASHORAST2.DBF");
  fs::copy_file(unidad.Hvdat() / "DIASHORAST2.MDX", copia / "DIASHORAST2.mdx");
  const Salida indice = prueba::Ejecutar(Comillas(*DbfCheck()) + " index " +
                                         Comillas(copia / "DIASHORAST2.DBF") + " ORDEN");
  ASSERT_EQ(indice.estado, 0) << indice.texto;
  std::vector<std::string> orden;
  std::istringstream lineas(indice.texto);
  for (std::string linea; std::getline(lineas, linea);) {
    if (linea.starts_with("rec ")) orden.push_back(linea.substr(linea.rfind(' ') + 1));
    EXPECT_THAT(linea, Not(HasSubstr("missing")));
  }
  std::vector<std::string> esperado;
  for (const char* inicio : {"960", "1015", "1070"}) esperado.insert(esperado.end(), 7, inicio);
  EXPECT_EQ(orden, esperado);
}

struct CasoSinDocumento {
  std::string nombre;
  bool elegido;  // the dialog returns a path that does not exist, or is cancelled
  int modo;
  int codigo;
  int cerradas;
};

void PrintTo(const CasoSinDocumento& caso, std::ostream* os) {
  *os << caso.nombre;
}

class SinDocumento : public Exportacion, public ::testing::WithParamInterface<CasoSinDocumento> {};

TEST_P(SinDocumento, NoExisteArchivo) {
  TablasAnteriores();
  const auto antes = Instantanea(unidad.Hvdat());
  interfaz.documento.reset();
  if (GetParam().elegido) interfaz.documento = unidad.Raiz() / "no-esta.xml";
  sesion.ModoIncrustado = GetParam().modo;
  EXPECT_EQ(Exportar(), "");
  EXPECT_THAT(interfaz.mensajes, ElementsAre("No existe archivo"));
  EXPECT_EQ(sesion.CodigoResultado, GetParam().codigo);
  EXPECT_EQ(interfaz.ventanasCerradas, GetParam().cerradas);
  EXPECT_EQ(interfaz.botonesDesactivados, 0);
  EXPECT_THAT(interfaz.reloj, IsEmpty());
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
}

INSTANTIATE_TEST_SUITE_P(Casos, SinDocumento,
                         ::testing::Values(CasoSinDocumento{"CanceladoIncrustado", false, 2, -1, 1},
                                           CasoSinDocumento{"InexistenteIncrustado", true, 2, -1,
                                                            1},
                                           CasoSinDocumento{"CanceladoSolo", false, 0, 0, 0}),
                         [](const auto& info) { return info.param.nombre; });

TEST_F(Exportacion, SinNivellariNoCambiaNadaYReintentaElMismoDocumento) {
  TablasAnteriores();
  const auto antes = Instantanea(unidad.Hvdat());
  fs::rename(programa / "NIVELLARI.DBF", unidad.Hvdat() / "NIVELLARI.DBF");
  sesion.ModoIncrustado = 2;
  EXPECT_EQ(Exportar(), "");
  EXPECT_THAT(interfaz.mensajes,
              ElementsAre("ATENCIÓN - NIVELLARI.DBF No encontrado - Reinstale VADELTO"));
  EXPECT_EQ(sesion.CodigoResultado, 0);
  EXPECT_EQ(interfaz.ventanasCerradas, 0);
  fs::rename(unidad.Hvdat() / "NIVELLARI.DBF", programa / "nivellari.dbf");
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);

  // Cancelling the dialog now converts the document chosen before.
  interfaz.documento.reset();
  EXPECT_EQ(Exportar(), "");
  EXPECT_EQ(interfaz.mensajes.back(), "Proceso finalizado");
  EXPECT_THAT(Tabla("PROFT", {"ABREV"}), ElementsAre(Fila{"GLA"}));
}

TEST_F(Exportacion, SinCarpetaHvdatNoCreaNada) {
  fs::remove_all(unidad.Hvdat());
  const auto antes = Instantanea(unidad.UnidadC());
  EXPECT_THAT(Exportar(), HasSubstr("No existe la carpeta C:\\HVDAT"));
  EXPECT_EQ(Instantanea(unidad.UnidadC()), antes);
  EXPECT_FALSE(fs::exists(unidad.Hvdat()));
}

TEST_F(Exportacion, FalloEnUnPasoNoCambiaNadaYElSegundoIntentoEmpiezaDeCero) {
  TablasAnteriores();
  const auto antes = Instantanea(unidad.Hvdat());
  interfaz.documento =
      Documento(DocumentoCompleto().Grupo("CURSOS_DEL_CENTRO", {{"12a", "1º"}}), "con-error.xml");
  EXPECT_EQ(Exportar(), "'12a' no es un valor entero válido");
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
  EXPECT_THAT(interfaz.reloj, ElementsAre(true, false));
  EXPECT_EQ(sesion.CodigoResultado, 0);
  EXPECT_EQ(interfaz.botonesDesactivados, 0);
  EXPECT_THAT(interfaz.mensajes, IsEmpty());

  // Same subjects again: the codes are a first export's, not numbered after the failed one's.
  interfaz.documento = Documento(DocumentoCompleto());
  EXPECT_EQ(Exportar(), "");
  EXPECT_THAT(interfaz.mensajes, ElementsAre("Proceso finalizado"));
  EXPECT_THAT(Tabla("ASIGNOMT", {"COD"}), ElementsAre(Fila{"Matemá"}, Fila{"LC"}, Fila{"901"}));
  EXPECT_THAT(Tabla("CURSOST", {"NIVEL"}), ElementsAre(Fila{"ESO"}));
}

TEST_F(Exportacion, TablaAbiertaPorOtroPrograma) {
  TablasAnteriores();
  const auto antes = Instantanea(unidad.Hvdat());
  {
    dbase::Table horavel(unidad.Hvdat() / "GRUPOST.DBF", "GRUPOST");
    horavel.Open(dbase::Access::Shared);
    EXPECT_THAT(Exportar(),
                HasSubstr("El archivo C:\\HVDAT\\GRUPOST.DBF está abierto en otro programa"));
    EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
  }
  EXPECT_EQ(Exportar(), "");
  EXPECT_THAT(Tabla("GRUPOST", {"ABREV"}), ElementsAre(Fila{"1ºESOA"}));
}

TEST_F(Exportacion, ArchivoQueNoEsXml) {
  TablasAnteriores();
  const auto antes = Instantanea(unidad.Hvdat());
  interfaz.documento = unidad.Carpeta("documentos") / "roto.xml";
  EscribirArchivo(*interfaz.documento, "<SERVICIO><BLOQUE_DATOS>");
  EXPECT_THAT(Exportar(), HasSubstr("'roto.xml' no es un documento XML válido"));
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
}

TEST_F(Exportacion, DocumentoSinPlantillas) {
  TablasAnteriores();
  const auto antes = Instantanea(unidad.Hvdat());
  interfaz.documento = Documento(DocumentoCompleto().Grupo("JORNADAS_ESCOLARES", {}), "sin.xml");
  EXPECT_THAT(Exportar(), HasSubstr("no contiene ninguna plantilla horaria"));
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
}

}  // namespace
}  // namespace vadelto::prueba
