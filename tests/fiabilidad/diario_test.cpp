// A replacement of the working tables killed at every point of its move, as a crash or a
// power cut would stop it, is undone by the recovery that the next conversion runs first:
// C:\HVDAT is then file for file as it was.

#include <signal.h>

#include "export/diario_reemplazo.h"
#include "export/reemplazo_tablas.h"
#include "fiabilidad/escenario.h"
#include "fiabilidad/proceso_hijo.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::prueba {
namespace {
namespace fs = std::filesystem;

// Renames for real, fails the call numbered `fallaEn` (from 0), and kills the process after
// `muereTras` renames have been made (at the first call when it is 0).
class RenombradorQueMuere : public Renombrador {
 public:
  RenombradorQueMuere(int muereTras, int fallaEn = -1) : muereTras_(muereTras), fallaEn_(fallaEn) {}
  void Renombrar(const fs::path& de, const fs::path& a) override {
    if (muereTras_ == 0) MatarEsteProceso();
    if (llamadas_++ == fallaEn_) {
      throw fs::filesystem_error("simulado", de, a, std::make_error_code(std::errc::io_error));
    }
    fs::rename(de, a);
    if (++hechos_ == muereTras_) MatarEsteProceso();
  }

 private:
  int muereTras_;
  int fallaEn_;
  int llamadas_ = 0;
  int hechos_ = 0;
};

// Old files the move sets aside (13 of them, in any letter case) and new ones it puts in (11).
constexpr int kApartados = 13;
constexpr int kMovimientos = kApartados + 11;

class Diario : public Escenario {
 protected:
  Diario() {
    for (TablaTrabajo tabla : TodasLasTablas()) {
      EscribirArchivo(unidad.Hvdat() / (Definicion(tabla).nombre + ".DBF"),
                      "anterior " + Definicion(tabla).nombre);
    }
    EscribirArchivo(unidad.Hvdat() / "DIASHORAST2.MDX", "indice anterior");
    EscribirArchivo(unidad.Hvdat() / "Asignomt.mdx", "indice de otra version");
    EscribirArchivo(unidad.Hvdat() / "JORNADAS.DBF", "de otra version");
    EscribirArchivo(unidad.Hvdat() / "SOLUC.DBF", "de Horavel");
    EscribirArchivo(unidad.Hvdat() / "Horavel.cfg", "de Horavel");
    antes = Instantanea(unidad.Hvdat());
  }

  static void Nuevas(const ReemplazoTablas& reemplazo) {
    for (TablaTrabajo tabla : TodasLasTablas()) {
      EscribirArchivo(reemplazo.CarpetaNuevas() / (Definicion(tabla).nombre + ".DBF"),
                      "nueva " + Definicion(tabla).nombre);
    }
    EscribirArchivo(reemplazo.CarpetaNuevas() / "DIASHORAST2.MDX", "indice nuevo");
  }

  // An export in a child process that builds its new set and is killed in its move.
  void ExportacionMuerta(int muereTras, int fallaEn = -1) {
    const FinHijo fin = EnHijo([&] {
      ReemplazoTablas reemplazo(unidad.Hvdat());
      Nuevas(reemplazo);
      RenombradorQueMuere renombrador(muereTras, fallaEn);
      reemplazo.Reemplazar(renombrador);
      return std::string("terminó");
    });
    ASSERT_EQ(fin.senal, SIGKILL) << fin.texto;
  }

  std::vector<fs::path> Provisionales() const {
    std::vector<fs::path> carpetas;
    for (const auto& entrada : fs::directory_iterator(unidad.Hvdat())) {
      if (entrada.is_directory()) carpetas.push_back(entrada.path());
    }
    return carpetas;
  }

  Archivos antes;
};

TEST_F(Diario, MuertaEnCadaPuntoDelMovimientoSeDeshace) {
  for (int hechos = 0; hechos <= kMovimientos; ++hechos) {
    SCOPED_TRACE("muerta tras " + std::to_string(hechos) + " movimientos");
    ExportacionMuerta(hechos);
    ASSERT_EQ(Provisionales().size(), 1u);
    RecuperarReemplazos(unidad.Hvdat());
    EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
    EXPECT_TRUE(Provisionales().empty());
  }
}

// A move that failed and was being undone when the process died.
TEST_F(Diario, MuertaMientrasDeshaciaUnFalloSeDeshace) {
  for (int fallo : {4, kApartados + 5}) {
    for (int deshechos = 0; deshechos <= fallo; ++deshechos) {
      SCOPED_TRACE("fallo en " + std::to_string(fallo) + ", muerta tras deshacer " +
                   std::to_string(deshechos));
      ExportacionMuerta(fallo + deshechos, fallo);
      RecuperarReemplazos(unidad.Hvdat());
      EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
      EXPECT_TRUE(Provisionales().empty());
    }
  }
}

TEST_F(Diario, MuertaAntesDelMovimientoSoloDejaSuCarpeta) {
  const FinHijo fin = EnHijo([&]() -> std::string {
    ReemplazoTablas reemplazo(unidad.Hvdat());
    Nuevas(reemplazo);
    MatarEsteProceso();
  });
  ASSERT_EQ(fin.senal, SIGKILL);
  RecuperarReemplazos(unidad.Hvdat());
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
  EXPECT_TRUE(Provisionales().empty());
}

// Killed once the new set was in place and the journal gone: the new set stays.
TEST_F(Diario, MuertaTrasTerminarConservaLasNuevas) {
  const FinHijo fin = EnHijo([&]() -> std::string {
    ReemplazoTablas reemplazo(unidad.Hvdat());
    Nuevas(reemplazo);
    reemplazo.Reemplazar();
    MatarEsteProceso();
  });
  ASSERT_EQ(fin.senal, SIGKILL);
  RecuperarReemplazos(unidad.Hvdat());
  Archivos esperadas;
  for (TablaTrabajo tabla : TodasLasTablas()) {
    esperadas[Definicion(tabla).nombre + ".DBF"] = "nueva " + Definicion(tabla).nombre;
  }
  esperadas["DIASHORAST2.MDX"] = "indice nuevo";
  esperadas["SOLUC.DBF"] = "de Horavel";
  esperadas["Horavel.cfg"] = "de Horavel";
  EXPECT_EQ(Instantanea(unidad.Hvdat()), esperadas);
  EXPECT_TRUE(Provisionales().empty());
}

// Another process's export under way is no leftover.
TEST_F(Diario, LaCarpetaDeUnaExportacionEnCursoNoSeToca) {
  ReemplazoTablas enCurso(unidad.Hvdat());
  Nuevas(enCurso);
  const FinHijo fin = EnHijo([&] {
    RecuperarReemplazos(unidad.Hvdat());
    return std::string();
  });
  EXPECT_EQ(fin.estado, 0) << fin.texto;
  EXPECT_TRUE(fs::exists(enCurso.CarpetaNuevas() / "PROFT.DBF"));
  enCurso.Reemplazar();
  EXPECT_EQ(LeerArchivo(unidad.Hvdat() / "PROFT.DBF"), "nueva PROFT");
}

TEST_F(Diario, UnDiarioIlegibleNoSeToca) {
  ExportacionMuerta(kApartados + 2);
  const fs::path carpeta = Provisionales().at(0);
  EscribirArchivo(carpeta / "diario", "vadelto-diario 1\n../../fuera\tPROFT.DBF\n");
  const auto interrumpida = Instantanea(unidad.Hvdat());
  try {
    RecuperarReemplazos(unidad.Hvdat());
    ADD_FAILURE() << "sin error";
  } catch (const Error& error) {
    EXPECT_EQ(error.Mensaje(), mensajes::ReemplazoInterrumpidoSinDeshacer(
                                   "C:\\HVDAT\\" + carpeta.filename().string() + "\\anteriores",
                                   mensajes::DiarioIlegible()));
  }
  EXPECT_EQ(Instantanea(unidad.Hvdat()), interrumpida);
}

TEST_F(Diario, SinDiarioNoSeMueveNada) {
  ReemplazoTablas reemplazo(unidad.Hvdat());
  Nuevas(reemplazo);
  fs::create_directories(reemplazo.CarpetaNuevas() / "diario" / "ocupado");
  try {
    reemplazo.Reemplazar();
    ADD_FAILURE() << "sin error";
  } catch (const Error& error) {
    EXPECT_EQ(error.Mensaje(), mensajes::NoSeAnotaReemplazo());
  }
  for (const auto& [nombre, contenido] : Instantanea(unidad.Hvdat())) {
    if (nombre.find('/') == std::string::npos) {
      EXPECT_EQ(contenido, antes.at(nombre)) << nombre;
    }
  }
}

// Both conversions recover before anything else, whatever their end.
TEST_F(Diario, CadaConversionRecuperaAlEmpezar) {
  ExportacionMuerta(kApartados + 3);
  fs::remove(programa / "NIVELLARI.DBF");
  Elegir(DocumentoCompleto());
  EXPECT_EQ(Exportar(), "");
  EXPECT_EQ(interfaz.mensajes, std::vector{Utf8DesdeAnsi(mensajes::NivellariNoEncontrado())});
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);

  ExportacionMuerta(7);
  interfaz.documento = unidad.Raiz() / "no-existe.xml";
  EXPECT_EQ(Importar(), "");
  EXPECT_EQ(Instantanea(unidad.Hvdat()), antes);
}

}  // namespace
}  // namespace vadelto::prueba
