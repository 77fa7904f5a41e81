// Damaged or missing tables: a clear message that names the table, never a crash or a
// read past the end of the file.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "dbf_a_mano.h"
#include "mensaje_de.h"
#include "support/temp_drive.h"
#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto::dbase {
namespace {
namespace fs = std::filesystem;

// A dBase III table of two rows: A C(5), N N(3). Header 97 bytes, records of 9.
std::string Buena() {
  return prueba::TablaAMano(0x03, {{"A", 'C', 5}, {"N", 'N', 3}}, {{{"uno", "1"}}, {{"dos", "2"}}});
}

std::string Cambiada(std::string t, std::size_t posicion, std::initializer_list<int> bytes) {
  for (int b : bytes) t[posicion++] = static_cast<char>(b);
  return t;
}

struct Danada {
  std::string caso;
  std::function<std::string()> contenido;
  std::string detalle;  // after "La tabla ... "
};

TEST(Danadas, CadaDanoDaSuMensaje) {
  const std::string dano = "está dañada: ";
  const std::vector<Danada> casos = {
      {"vacía", [] { return std::string(); }, dano + "el encabezado está incompleto"},
      {"20 bytes", [] { return Buena().substr(0, 20); }, dano + "el encabezado está incompleto"},
      {"nivel 7 corto", [] { return Cambiada(Buena(), 0, {0x04}).substr(0, 50); },
       dano + "el encabezado está incompleto"},
      {"encabezado más largo que el archivo",
       [] {
         return Cambiada(Buena(), 8, {0x00, 0x10});
       },
       dano + "el encabezado está incompleto"},
      {"descriptores cortados",
       [] {
         return Cambiada(Buena(), 8, {40, 0});
       },
       dano + "la descripción de los campos no cabe en el encabezado"},
      {"longitud de registro",
       [] {
         return Cambiada(Buena(), 10, {99, 0});
       },
       dano + "la longitud de registro del encabezado (99) no es la de sus campos (9)"},
      {"más registros anunciados", [] { return Cambiada(Buena(), 4, {5}); },
       dano + "el encabezado anuncia 5 registros, pero el archivo solo contiene 2 completos"},
      {"último registro cortado", [] { return Buena().substr(0, 97 + 9 + 4); },
       dano + "el encabezado anuncia 2 registros, pero el archivo solo contiene 1 completos"},
      {"campo de longitud 0", [] { return Cambiada(Buena(), 32 + 16, {0}); },
       dano + "la descripción del campo A no es válida"},
      {"entero de nivel 7 de dos bytes",
       [] {
         return prueba::TablaAMano(0x04, {{"N", 'I', 2}}, {{{"ab"}}});
       },
       dano + "la descripción del campo N no es válida"},
      {"versión 02", [] { return Cambiada(Buena(), 0, {0x02}); },
       "no tiene un formato dBase conocido (versión 02)"},
      {"versión 00", [] { return Cambiada(Buena(), 0, {0x00}); },
       "no tiene un formato dBase conocido (versión 00)"},
  };
  prueba::UnidadTemporal unidad;
  const fs::path archivo = unidad.Hvdat() / "SOLUC.DBF";
  for (const Danada& caso : casos) {
    prueba::EscribirArchivo(archivo, caso.contenido());
    Table t(archivo, "C:\\HVDAT\\SOLUC.DBF");
    EXPECT_EQ(prueba::MensajeDe([&] { t.Open(Access::Exclusive); }),
              "La tabla C:\\HVDAT\\SOLUC.DBF (" + archivo.string() + ") " + caso.detalle)
        << caso.caso;
    EXPECT_FALSE(t.IsOpen());
  }
}

std::string MensajeAlAbrir(const fs::path& archivo) {
  return prueba::MensajeDe([&] { Table(archivo, "C:\\HVDAT\\SOLUC.DBF").Open(Access::Exclusive); });
}

TEST(Danadas, FaltaLaCarpetaLaTablaOEsUnaCarpeta) {
  prueba::UnidadTemporal unidad(false);
  const fs::path archivo = unidad.Hvdat() / "SOLUC.DBF";
  const std::string nombre = "C:\\HVDAT\\SOLUC.DBF (" + archivo.string() + ")";
  EXPECT_EQ(MensajeAlAbrir(archivo), "No existe la carpeta de la tabla " + nombre);
  EXPECT_EQ(prueba::MensajeDe([&] { CrearTabla(unidad.Hvdat(), TablaTrabajo::PROFT); }),
            "No existe la carpeta de la tabla C:\\HVDAT\\PROFT.DBF (" +
                (unidad.Hvdat() / "PROFT.DBF").string() + ")");
  fs::create_directories(unidad.Hvdat());
  EXPECT_EQ(MensajeAlAbrir(archivo), "No existe la tabla " + nombre);
  fs::create_directories(archivo);
  EXPECT_EQ(MensajeAlAbrir(archivo), "No se puede leer la tabla " + nombre + ": es una carpeta");
}

// The table still reads; what needs the index says why it cannot have it.
TEST(Danadas, UnIndiceIlegibleSoloImpideLoQueLoNecesita) {
  prueba::UnidadTemporal unidad;
  RecrearTabla(unidad.Hvdat(), TablaTrabajo::DIASHORAST2);
  prueba::EscribirArchivo(unidad.Hvdat() / "DIASHORAST2.MDX", std::string(3000, 'x'));
  Table t(unidad.Hvdat() / "DIASHORAST2.DBF", "C:\\HVDAT\\DIASHORAST2.DBF");
  t.Open(Access::Shared);
  EXPECT_EQ(t.RecordCount(), 0);
  const std::string mensaje = "El índice de la tabla C:\\HVDAT\\DIASHORAST2.DBF (" +
                              (unidad.Hvdat() / "DIASHORAST2.DBF").string() +
                              ") está dañado: su estructura no es la de un índice .MDX";
  EXPECT_EQ(prueba::MensajeDe([&] { t.SelectIndex("ORDEN"); }), mensaje);
  EXPECT_EQ(prueba::MensajeDe([&] { t.Append(); }), mensaje);
}

// Opens and reads everything a damaged file lets through; only our Error may come out.
void LeerTodoLoQueSePueda(const fs::path& archivo) {
  try {
    Table t(archivo, "");
    t.Open(Access::Shared);
    for (const bool conIndice : {false, true}) {
      if (conIndice) {
        try {
          t.SelectIndex("ORDEN");
        } catch (const Error&) {
        }
      }
      for (t.First(); !t.Eof(); t.Next()) {
        for (const FieldInfo& f : t.Fields()) {
          try {
            t.GetText(f.name);
            t.GetInteger(f.name);
          } catch (const Error&) {
          }
        }
      }
    }
  } catch (const Error&) {
  }
}

// Rewrites a file of the same size in place: far cheaper than truncating it each time.
void Sobrescribir(const fs::path& archivo, const std::string& contenido) {
  std::fstream salida(archivo, std::ios::in | std::ios::out | std::ios::binary);
  salida.write(contenido.data(), static_cast<std::streamsize>(contenido.size()));
}

// Every prefix of a table with an index, and every header byte set to 0x00 or 0xFF.
TEST(Danadas, NingunRecorteNiByteCambiadoRompeLaLectura) {
  prueba::UnidadTemporal unidad;
  RecrearTabla(unidad.Hvdat(), TablaTrabajo::DIASHORAST2);
  {
    auto t = ObjetoTabla(unidad.Hvdat(), "DIASHORAST2");
    t->Open(Access::Shared);
    for (int i = 0; i < 70; ++i) {
      t->Append();
      t->SetText("DIHO", std::to_string(i));
      t->SetInteger("ORDEN", 70 - i);
      t->Post();
    }
  }
  const fs::path dbf = unidad.Hvdat() / "DIASHORAST2.DBF", mdx = unidad.Hvdat() / "DIASHORAST2.MDX";
  const std::string tabla = prueba::LeerArchivo(dbf), indice = prueba::LeerArchivo(mdx);
  const std::size_t encabezado = 68 + 10 * 48 + 1;
  for (std::size_t largo = 0; largo < tabla.size(); largo += (largo < encabezado + 40 ? 3 : 97)) {
    prueba::EscribirArchivo(dbf, tabla.substr(0, largo));
    LeerTodoLoQueSePueda(dbf);
  }
  prueba::EscribirArchivo(dbf, tabla);
  for (std::size_t i = 0; i < encabezado; ++i) {
    for (const char b : {'\0', '\xFF'}) {
      std::string cambiada = tabla;
      cambiada[i] = b;
      Sobrescribir(dbf, cambiada);
      LeerTodoLoQueSePueda(dbf);
    }
  }
  prueba::EscribirArchivo(dbf, tabla);
  for (std::size_t largo = 0; largo < indice.size(); largo += 61) {
    prueba::EscribirArchivo(mdx, indice.substr(0, largo));
    LeerTodoLoQueSePueda(dbf);
  }
  prueba::EscribirArchivo(mdx, indice);
  for (std::size_t i = 0; i < 2048 + 256; i += 11) {
    std::string cambiado = indice;
    cambiado[i] = '\xFF';
    Sobrescribir(mdx, cambiado);
    LeerTodoLoQueSePueda(dbf);
  }
}

}  // namespace
}  // namespace vadelto::dbase
