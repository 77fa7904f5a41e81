// The production index: its bytes on disk and the order it gives.

#include <gtest/gtest.h>

#include "lectores.h"
#include "mensaje_de.h"
#include "support/temp_drive.h"
#include "tables/dbase/numeric_key.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace vadelto {
namespace {
namespace fs = std::filesystem;

std::string Clave(std::initializer_list<int> bytes) {
  std::string s(12, '\0');
  std::size_t i = 0;
  for (int b : bytes) s[i++] = static_cast<char>(b);
  return prueba::Hex(s);
}

std::string Hex(const dbase::NumericKey& k) {
  return prueba::Hex(std::string(k.data(), k.size()));
}

TEST(Indice, LasClavesNumericasSonBcdComoLasEscribeXbase64) {
  EXPECT_EQ(Hex(dbase::MakeNumericKey(std::int64_t{0})), Clave({0x34, 0x01}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(std::int64_t{13})), Clave({0x36, 0x09, 0x13}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(std::int64_t{-50})), Clave({0x36, 0x89, 0x50}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(std::int64_t{-5})), Clave({0x35, 0x85, 0x50}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(std::int64_t{400})), Clave({0x37, 0x0D, 0x40}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(std::int64_t{1000000})), Clave({0x3B, 0x1D, 0x10}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(std::int64_t{-2147483647})),
            Clave({0x3E, 0xA9, 0x21, 0x47, 0x48, 0x36, 0x47}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(20.5)), Clave({0x36, 0x0D, 0x20, 0x50}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(0.05)), Clave({0x33, 0x05, 0x50}));
  EXPECT_EQ(Hex(dbase::MakeNumericKey(480.0)), Hex(dbase::MakeNumericKey(std::int64_t{480})));
}

std::uint32_t Le(const std::string& s, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = v << 8 | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
  return v;
}

TEST(Indice, Diashorast2LlevaSuMdxEnLaDisposicionDocumentada) {
  prueba::UnidadTemporal unidad;
  RecrearTabla(unidad.Hvdat(), TablaTrabajo::DIASHORAST2);
  const std::string dbf = prueba::LeerArchivo(unidad.Hvdat() / "DIASHORAST2.DBF");
  EXPECT_EQ(dbf[28], 1);  // production index
  for (int campo = 0; campo < 10; ++campo) {
    EXPECT_EQ(dbf[68 + 48 * static_cast<std::size_t>(campo) + 37], campo == 9 ? 1 : 0) << campo;
  }
  const std::string mdx = prueba::LeerArchivo(unidad.Hvdat() / "DIASHORAST2.MDX");
  ASSERT_EQ(mdx.size(), 8u * 512);  // header, tag header, one empty leaf
  EXPECT_EQ(mdx[0], 2);
  EXPECT_EQ(mdx.substr(4, 16), std::string("DIASHORAST2") + std::string(5, '\0'));
  EXPECT_EQ(Le(mdx, 20, 2), 2u);
  EXPECT_EQ(Le(mdx, 22, 2), 1024u);
  EXPECT_EQ(mdx[24], 1);
  EXPECT_EQ(mdx[25], 48);
  EXPECT_EQ(mdx[26], 32);
  EXPECT_EQ(Le(mdx, 28, 2), 1u);
  EXPECT_EQ(static_cast<unsigned char>(mdx[31]), 0x58u);  // DBWINWE0
  EXPECT_EQ(Le(mdx, 32, 4), 8u);
  EXPECT_EQ(mdx[529], 1);
  // Tag table entry.
  EXPECT_EQ(Le(mdx, 544, 4), 4u);
  EXPECT_EQ(mdx.substr(548, 11), std::string("ORDEN") + std::string(6, '\0'));
  EXPECT_EQ(mdx[559], 0x10);
  EXPECT_EQ(mdx[564], 'N');
  // Tag header.
  EXPECT_EQ(Le(mdx, 2048, 4), 6u);  // root
  EXPECT_EQ(mdx[2048 + 9], 'N');
  EXPECT_EQ(Le(mdx, 2048 + 12, 2), 12u);
  EXPECT_EQ(Le(mdx, 2048 + 14, 2), 63u);
  EXPECT_EQ(Le(mdx, 2048 + 18, 2), 16u);
  EXPECT_EQ(mdx.substr(2048 + 24, 6), std::string("ORDEN") + '\0');
  EXPECT_EQ(mdx[2048 + 246], 1);
  EXPECT_EQ(Le(mdx, 6 * 512, 4), 0u);  // the root leaf holds no key
}

class OrdenSeleccionado : public ::testing::Test {
 protected:
  void SetUp() override {
    RecrearTabla(unidad.Hvdat(), TablaTrabajo::DIASHORAST2);
    Anadir({{"a", 600}, {"b", 480}, {"c", 540}, {"d", 480}, {"e", 0}});
    tabla->Open(dbase::Access::Shared);
  }
  void Anadir(const std::vector<std::pair<std::string, int>>& filas) {
    auto t = ObjetoTabla(unidad.Hvdat(), "DIASHORAST2");
    t->Open(dbase::Access::Shared);
    for (const auto& [diho, orden] : filas) {
      t->Append();
      t->SetText("DIHO", diho);
      t->SetInteger("ORDEN", orden);
      t->Post();
    }
  }
  std::string Recorrido() {
    std::string visto;
    for (tabla->First(); !tabla->Eof(); tabla->Next()) visto += tabla->GetText("DIHO");
    return visto;
  }
  prueba::UnidadTemporal unidad;
  std::unique_ptr<dbase::Table> tabla = ObjetoTabla(unidad.Hvdat(), "DIASHORAST2");
};

TEST_F(OrdenSeleccionado, ElIndiceDaElOrdenAscendenteConIgualesEnOrdenDeRegistro) {
  EXPECT_EQ(Recorrido(), "abcde");
  tabla->SelectIndex("ORDEN");
  EXPECT_EQ(Recorrido(), "ebdca");
  tabla->First();
  EXPECT_TRUE(tabla->Locate("ORDEN", {"480"}));
  EXPECT_EQ(tabla->GetText("DIHO"), "b");
  tabla->SelectIndex("");
  EXPECT_EQ(Recorrido(), "abcde");
}

TEST_F(OrdenSeleccionado, LoAnadidoConElIndiceSeleccionadoOcupaSuSitio) {
  tabla->SelectIndex("orden");
  tabla->Append();
  tabla->SetText("DIHO", "f");
  tabla->SetInteger("ORDEN", 500);
  tabla->Post();
  EXPECT_EQ(Recorrido(), "ebdfca");
  tabla->Close();
  tabla->Open(dbase::Access::Shared);
  tabla->SelectIndex("ORDEN");
  EXPECT_EQ(Recorrido(), "ebdfca");
}

TEST_F(OrdenSeleccionado, SinIndiceSobreEsosCamposEsUnError) {
  EXPECT_EQ(prueba::MensajeDe([&] { tabla->SelectIndex("DIHO"); }),
            "La tabla C:\\HVDAT\\DIASHORAST2.DBF (" +
                (unidad.Hvdat() / "DIASHORAST2.DBF").string() + ") no tiene un índice por DIHO");
  auto sinIndice = ObjetoTabla(unidad.Hvdat(), "DIASHORAST");
  RecrearTabla(unidad.Hvdat(), TablaTrabajo::DIASHORAST);
  sinIndice->Open(dbase::Access::Shared);
  EXPECT_THROW(sinIndice->SelectIndex("ORDEN"), Error);
}

// A flagged index that has gone missing leaves the table readable in physical order.
TEST_F(OrdenSeleccionado, SinElArchivoDeIndiceLaTablaSeLeeIgual) {
  tabla->Close();
  fs::remove(unidad.Hvdat() / "DIASHORAST2.MDX");
  tabla->Open(dbase::Access::Shared);
  EXPECT_EQ(Recorrido(), "abcde");
  EXPECT_THROW(tabla->SelectIndex("ORDEN"), Error);
}

}  // namespace
}  // namespace vadelto
