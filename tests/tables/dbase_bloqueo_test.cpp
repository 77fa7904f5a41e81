// Exclusive opening excludes: other programs and other table objects of this one.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "mensaje_de.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::dbase {
namespace {
namespace fs = std::filesystem;

// Another process that holds the table open the given way until told to let go.
class OtroProceso {
 public:
  OtroProceso(const fs::path& archivo, Access acceso) {
    if (pipe(abierta_) != 0 || pipe(soltar_) != 0) throw std::runtime_error("pipe");
    hijo_ = fork();
    if (hijo_ == 0) {
      // The child leaves with _exit: the lock goes with the process.
      Table t(archivo, "");
      char c = 'x';
      try {
        t.Open(acceso);
      } catch (...) {
        c = 'f';
      }
      (void)!write(abierta_[1], &c, 1);
      (void)!read(soltar_[0], &c, 1);
      _exit(0);
    }
    char c = 0;
    (void)!read(abierta_[0], &c, 1);
    abrio_ = c == 'x';
  }
  ~OtroProceso() { Soltar(); }
  bool Abrio() const { return abrio_; }
  void Soltar() {
    if (hijo_ <= 0) return;
    (void)!write(soltar_[1], "x", 1);
    int estado = 0;
    waitpid(hijo_, &estado, 0);
    hijo_ = -1;
    for (int fd : {abierta_[0], abierta_[1], soltar_[0], soltar_[1]}) close(fd);
  }

 private:
  int abierta_[2]{}, soltar_[2]{};
  pid_t hijo_ = -1;
  bool abrio_ = false;
};

class Bloqueo : public ::testing::Test {
 protected:
  void SetUp() override { RecrearTabla(unidad.Hvdat(), TablaTrabajo::PROFT); }
  std::string Nombre() const { return "C:\\HVDAT\\PROFT.DBF (" + archivo.string() + ")"; }
  prueba::UnidadTemporal unidad;
  fs::path archivo = unidad.Hvdat() / "PROFT.DBF";
};

TEST_F(Bloqueo, MientrasOtroProcesoLaTieneEnExclusivaNadieMasLaAbre) {
  OtroProceso otro(archivo, Access::Exclusive);
  ASSERT_TRUE(otro.Abrio());
  Table t(archivo, "C:\\HVDAT\\PROFT.DBF");
  EXPECT_EQ(prueba::MensajeDe([&] { t.Open(Access::Shared); }),
            "La tabla " + Nombre() + " está en uso: otro programa la tiene abierta en exclusiva");
  EXPECT_EQ(
      prueba::MensajeDe([&] { t.Open(Access::Exclusive); }),
      "La tabla " + Nombre() +
          " está en uso: no se puede abrir en exclusiva mientras otro programa la tenga abierta");
  otro.Soltar();
  t.Open(Access::Exclusive);
  EXPECT_TRUE(t.IsOpen());
}

TEST_F(Bloqueo, NoSeAbreEnExclusivaMientrasOtroProcesoLaTieneAbierta) {
  OtroProceso otro(archivo, Access::Shared);
  ASSERT_TRUE(otro.Abrio());
  Table t(archivo, "");
  t.Open(Access::Shared);  // sharing is fine
  t.Close();
  EXPECT_THROW(t.Open(Access::Exclusive), Error);
  otro.Soltar();
  t.Open(Access::Exclusive);
  // ...and now the other process cannot have it.
  OtroProceso tarde(archivo, Access::Shared);
  EXPECT_FALSE(tarde.Abrio());
}

TEST_F(Bloqueo, DosObjetosDelMismoProcesoTambienSeExcluyen) {
  Table a(archivo, ""), b(archivo, "");
  a.Open(Access::Exclusive);
  EXPECT_THROW(b.Open(Access::Shared), Error);
  EXPECT_THROW(b.Open(Access::Exclusive), Error);
  a.Close();
  a.Open(Access::Shared);
  b.Open(Access::Shared);
  Table c(archivo, "");
  EXPECT_THROW(c.Open(Access::Exclusive), Error);
}

// A table in use is neither deleted nor replaced by the recreate idiom.
TEST_F(Bloqueo, UnaTablaEnUsoNoSeBorraNiSeReemplaza) {
  {
    auto t = ObjetoTabla(unidad.Hvdat(), "PROFT");
    t->Open(Access::Shared);
    t->Append();
    t->SetText("ABREV", "ANA");
    t->Post();
  }
  const std::string antes = prueba::LeerArchivo(archivo);
  OtroProceso otro(archivo, Access::Exclusive);
  ASSERT_TRUE(otro.Abrio());
  EXPECT_EQ(prueba::MensajeDe([&] { RecrearTabla(unidad.Hvdat(), TablaTrabajo::PROFT); }),
            "No se puede crear la tabla " + Nombre() + ": otro programa la tiene abierta");
  EXPECT_EQ(prueba::LeerArchivo(archivo), antes);
}

TEST_F(Bloqueo, LosComponentesDeLaVentanaAbrenEnExclusivaYNivellariCompartida) {
  const fs::path programa = unidad.Carpeta("programa");
  CreateTable(programa / "nivellari.DBF", "", {{"X_OFERTAMATRIG", FieldKind::Integer}});
  ComponentesTablas ventana(unidad.Hvdat(), programa), otra(unidad.Hvdat(), programa);
  ventana.wwTableProfesor.Abrir();
  EXPECT_EQ(
      prueba::MensajeDe([&] { otra.wwTableProfesor.Abrir(); }),
      "La tabla " + Nombre() +
          " está en uso: no se puede abrir en exclusiva mientras otro programa la tenga abierta");
  ventana.wwTableNIVELEX.Abrir();
  otra.wwTableNIVELEX.Abrir();
  EXPECT_TRUE(otra.wwTableNIVELEX.Abierta());
  EXPECT_EQ(otra.wwTableNIVELEX->File(), programa / "nivellari.DBF");
  ventana.wwTableProfesor.Cerrar();
  otra.wwTableProfesor.Abrir();
  EXPECT_TRUE(otra.wwTableProfesor.Abierta());
}

}  // namespace
}  // namespace vadelto::dbase
