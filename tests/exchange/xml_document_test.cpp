#include "exchange/xml_document.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

#include "support/temp_drive.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::xml {
namespace {
namespace fs = std::filesystem;

// An independent reader: true when xmllint finds the file well-formed.
bool XmllintAcepta(const fs::path& ruta) {
  return std::system(("xmllint --noout --nonet '" + ruta.string() + "' 2>/dev/null").c_str()) == 0;
}

bool HayXmllint() {
  return std::system("command -v xmllint >/dev/null 2>&1") == 0;
}

class Xml : public ::testing::Test {
 protected:
  fs::path Escribir(const std::string& nombre, const std::string& contenido) {
    const fs::path ruta = carpeta_ / nombre;
    prueba::EscribirArchivo(ruta, contenido);
    return ruta;
  }

  // Loads the bytes, saves the document unchanged and gives the saved bytes.
  std::string CargarYGuardar(const std::string& contenido) {
    Document documento;
    documento.load(Escribir("entrada.xml", contenido));
    EXPECT_TRUE(documento.loaded());
    const fs::path salida = carpeta_ / "salida.xml";
    documento.save(salida);
    if (HayXmllint()) {
      EXPECT_TRUE(XmllintAcepta(salida));
    }
    return prueba::LeerArchivo(salida);
  }

  void NoSeGuarda(const Document& documento, const fs::path& ruta) {
    testing::internal::CaptureStderr();
    try {
      documento.save(ruta);
      ADD_FAILURE() << ruta << ": saved";
    } catch (const Error& error) {
      EXPECT_EQ(error.Mensaje(), mensajes::XmlNoSeGuarda(ruta.string()));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << ruta;
  }

  // Every file the folder holds: a failed save must leave no temporary file behind.
  std::vector<std::string> Archivos() const {
    std::vector<std::string> nombres;
    for (const auto& entrada : fs::directory_iterator(carpeta_)) {
      nombres.push_back(entrada.path().filename().string());
    }
    std::sort(nombres.begin(), nombres.end());
    return nombres;
  }

  prueba::UnidadTemporal unidad_{false};
  fs::path carpeta_ = unidad_.Carpeta("xml");
};

TEST_F(Xml, GuardaConLaDeclaracionYLaCodificacionDelDocumento) {
  struct Caso {
    const char* nombre;
    std::string entrada, salida;
  };
  const std::string iso = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";
  const Caso casos[] = {
      {"ISO-8859-1 con acentos", iso + "<SERVICIO><a>Educaci\xF3n F\xEDsica \xD1</a></SERVICIO>\n",
       iso + "<SERVICIO><a>Educaci\xF3n F\xEDsica \xD1</a></SERVICIO>\n"},
      {"nombre de codificacion tal como se escribio y standalone",
       "<?xml version='1.0' encoding='iso-8859-1' standalone='yes'?>\r\n<r>\xD1"
       "and\xFA</r>",
       "<?xml version=\"1.0\" encoding=\"iso-8859-1\" standalone=\"yes\"?>\n<r>\xD1"
       "and\xFA</r>\n"},
      {"windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r>\x80 \x93x\x94</r>",
       "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<r>\x80 \x93x\x94</r>\n"},
      {"UTF-8 declarado, standalone no",
       "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?><r>\xC3\xA1</r>",
       "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<r>\xC3\xA1</r>\n"},
      {"declaracion sin codificacion: UTF-8", "<?xml version=\"1.0\"?><r>\xC3\xA1</r>",
       "<?xml version=\"1.0\"?>\n<r>\xC3\xA1</r>\n"},
      {"sin declaracion: UTF-8 sin declaracion", "<r>\xC3\xA1\xE2\x82\xAC</r>",
       "<r>\xC3\xA1\xE2\x82\xAC</r>\n"},
      {"sin declaracion con BOM", "\xEF\xBB\xBF<r>\xC3\xA1</r>", "<r>\xC3\xA1</r>\n"},
      {"sin blancos entre elementos; comentario e instruccion en su sitio",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- c -->\n<?pi x?>\n<r>\n  <a>1</a>\n"
       "  <b> </b>\n  <c/>\n</r>\n<!--fin-->\n",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- c -->\n<?pi x?>\n"
       "<r><a>1</a><b> </b><c/></r>\n<!--fin-->\n"},
      {"CDATA, referencias y vacios", "<r><![CDATA[a<b]]>&amp;&lt;&#233;<a></a><b/></r>",
       "<r><![CDATA[a<b]]>&amp;&lt;\xC3\xA9<a/><b/></r>\n"},
      {"lo que ISO-8859-1 no tiene va como referencia", iso + "<r a=\"&#937;\">&#8364; \xE9</r>",
       iso + "<r a=\"&#937;\">&#8364; \xE9</r>\n"},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(CargarYGuardar(caso.entrada), caso.salida) << caso.nombre;
  }
}

TEST_F(Xml, Utf16ConBomSeCargaYSeGuardaEnUtf16) {
  std::string utf16 = "\xFF\xFE";
  for (char16_t c :
       std::u16string(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r>\u00E1\u20AC</r>")) {
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  Document documento;
  documento.load(Escribir("utf16.xml", utf16));
  ASSERT_TRUE(documento.loaded());
  EXPECT_EQ(documento.documentElement().text(), "\xC3\xA1\xE2\x82\xAC");
  const fs::path salida = carpeta_ / "salida.xml";
  documento.save(salida);
  EXPECT_EQ(prueba::LeerArchivo(salida).substr(0, 4), std::string("\xFF\xFE<\0", 4));
  if (HayXmllint()) {
    EXPECT_TRUE(XmllintAcepta(salida));
  }
  Document releido;
  releido.load(salida);
  EXPECT_EQ(releido.documentElement().text(), "\xC3\xA1\xE2\x82\xAC");
}

TEST_F(Xml, TextoEsElDeLosDescendientesSinRecortar) {
  struct Caso {
    std::string xml, ruta, texto;
  };
  const Caso casos[] = {
      {"<r><a>uno <b>dos</b> tres</a></r>", "/r/a", "uno dos tres"},  // mixed content stays
      {"<r><a>  x  </a></r>", "/r/a", "  x  "},
      {"<r><a> </a></r>", "/r/a", " "},
      {"<r><a><![CDATA[ <x> ]]></a></r>", "/r/a", " <x> "},
      {"<r><a>1<b>2<c>3</c></b><!--no--><?pi no?>4</a></r>", "/r/a", "1234"},
      {"<r><a/></r>", "/r/a", ""},
      {"<r><a>&amp;&#xE1;&quot;</a></r>", "/r/a", "&\xC3\xA1\""},
      {"<r><a>l\xC3\xADnea\n\tdos</a></r>", "/r/a", "l\xC3\xADnea\n\tdos"},
      {"<r>\n  <a>1</a>\n  <b>2</b>\n</r>", "/r", "12"},  // no white space between elements
      {"<r><a x=\"v\"/></r>", "/r/a/@x", "v"},
  };
  for (const auto& caso : casos) {
    Document documento;
    documento.load(Escribir("texto.xml", caso.xml));
    ASSERT_TRUE(documento.loaded()) << caso.xml;
    EXPECT_EQ(documento.selectSingleNode(caso.ruta).text(), caso.texto) << caso.xml;
  }
}

TEST_F(Xml, BlancosEntreElementosNoSonNodos) {
  Document documento;
  documento.load(Escribir("blancos.xml",
                          "<SERVICIO>\n  <BLOQUE_DATOS>\n    <dato>2024-25</dato>\n"
                          "    <otro/>\n  </BLOQUE_DATOS>\n</SERVICIO>\n"));
  const Node bloque = documento.selectSingleNode("/SERVICIO/BLOQUE_DATOS");
  EXPECT_EQ(bloque.firstChild().name(), "dato");
  EXPECT_EQ(bloque.firstChild().text(), "2024-25");
  EXPECT_EQ(bloque.selectNodes("node()").length(), 2u);
  EXPECT_EQ(documento.documentElement().firstChild().name(), "BLOQUE_DATOS");
}

TEST_F(Xml, SeleccionesEnOrdenDelDocumento) {
  Document documento;
  documento.load(Escribir("sel.xml",
                          "<r><g seq=\"A\"><i><dato>1</dato><x/><dato>2</dato></i><i/></g>"
                          "<g seq=\"B\"><i><dato>3</dato></i></g></r>"));
  const NodeList registros = documento.selectNodes("/r/g[@seq=\"A\"]/i");
  ASSERT_EQ(registros.length(), 2u);
  const NodeList datos = registros.item(0).selectNodes("dato");
  ASSERT_EQ(datos.length(), 2u);
  EXPECT_EQ(datos.item(0).text(), "1");
  EXPECT_EQ(datos.item(1).text(), "2");
  EXPECT_FALSE(datos.item(2));
  EXPECT_EQ(registros.item(0).childElements("dato").length(), 2u);
  EXPECT_EQ(registros.item(0).childElements("dato").item(1).text(), "2");
  EXPECT_EQ(registros.item(1).selectNodes("dato").length(), 0u);
  EXPECT_FALSE(registros.item(1).firstChild());
  EXPECT_EQ(documento.selectNodes("//dato").length(), 3u);
  EXPECT_EQ(documento.selectNodes("//dato").item(2).text(), "3");
  EXPECT_EQ(documento.selectNodes("/r/g[@seq=\"C\"]/i").length(), 0u);
  EXPECT_FALSE(documento.selectSingleNode("/NADA"));
  EXPECT_EQ(documento.selectSingleNode("/r/g").attribute("seq"), "A");
  EXPECT_EQ(documento.selectSingleNode("/r/g").attribute("falta"), "");
  EXPECT_EQ(registros.item(0).selectSingleNode("/r/g[2]").attribute("seq"), "B");
}

TEST_F(Xml, LoQueNoSeLeeDejaUnDocumentoVacio) {
  struct Caso {
    const char* nombre;
    std::string contenido;
  };
  const Caso casos[] = {
      {"vacio", ""},
      {"sin cerrar", "<r><a>1</a>"},
      {"mal anidado", "<r><a></r></a>"},
      {"dos raices", "<r/><s/>"},
      {"texto sin marcas", "hola"},
      {"UTF-8 roto", "<r>\xE1</r>"},
      {"codificacion desconocida", "<?xml version=\"1.0\" encoding=\"x-nada\"?><r/>"},
      {"entidad sin declarar", "<r>&nada;</r>"},
  };
  Document documento;
  documento.load(Escribir("bueno.xml", "<r><a/></r>"));
  ASSERT_TRUE(documento.loaded());
  for (const auto& caso : casos) {
    testing::internal::CaptureStderr();
    documento.load(Escribir("malo.xml", caso.contenido));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << caso.nombre;
    EXPECT_FALSE(documento.loaded()) << caso.nombre;
    EXPECT_FALSE(documento.documentElement()) << caso.nombre;
    EXPECT_EQ(documento.selectNodes("//node()").length(), 0u) << caso.nombre;
  }
  for (const fs::path& ruta : {carpeta_ / "no-existe.xml", carpeta_}) {
    testing::internal::CaptureStderr();
    documento.load(ruta);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << ruta;
    EXPECT_FALSE(documento.loaded()) << ruta;
    EXPECT_EQ(documento.selectNodes("//node()").length(), 0u) << ruta;
  }
}

// A document must never make the program read another file, nor expand entities without
// bound: documents that declare entities are refused altogether.
TEST_F(Xml, NoLeeOtrosArchivosNiExpandeEntidades) {
  const fs::path secreto = Escribir("secreto.txt", "SECRETO-123");
  const std::string url = "file://" + secreto.string();
  std::string risas = "<!DOCTYPE r [<!ENTITY l0 \"jajaja\">";
  for (int i = 1; i < 10; ++i) {
    risas += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int j = 0; j < 10; ++j) risas += "&l" + std::to_string(i - 1) + ";";
    risas += "\">";
  }
  risas += "]>";
  std::string referencias;
  for (int i = 0; i < 50000; ++i) referencias += "&a;";
  struct Caso {
    const char* nombre;
    std::string contenido;
    bool carga;
  };
  const Caso casos[] = {
      {"entidad externa", "<!DOCTYPE r [<!ENTITY x SYSTEM \"" + url + "\">]><r>&x;</r>", false},
      {"entidad de parametro", "<!DOCTYPE r [<!ENTITY % p SYSTEM \"" + url + "\"> %p;]><r>&x;</r>",
       false},
      {"subconjunto DTD externo", "<!DOCTYPE r SYSTEM \"" + url + "\"><r>x</r>", true},
      {"XInclude",
       "<r xmlns:xi=\"http://www.w3.org/2001/XInclude\"><xi:include href=\"" + url +
           "\" parse=\"text\"/></r>",
       true},
      {"mil millones de risas", risas + "<r>&l9;</r>", false},
      {"mil millones de risas en atributo", risas + "<r a=\"&l9;\"/>", false},
      {"explosion cuadratica",
       "<!DOCTYPE r [<!ENTITY a \"" + std::string(50000, 'x') + "\">]><r>" + referencias + "</r>",
       false},
      {"entidad interna inofensiva", "<!DOCTYPE r [<!ENTITY e \"x\">]><r>&e;</r>", false},
  };
  for (const auto& caso : casos) {
    Document documento;
    testing::internal::CaptureStderr();
    documento.load(Escribir("ataque.xml", caso.contenido));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << caso.nombre;
    EXPECT_EQ(documento.loaded(), caso.carga) << caso.nombre;
    const fs::path salida = carpeta_ / "salida.xml";
    documento.save(salida);
    EXPECT_EQ(prueba::LeerArchivo(salida).find("SECRETO"), std::string::npos) << caso.nombre;
    if (Node raiz = documento.documentElement()) {
      EXPECT_EQ(raiz.text().find("SECRETO"), std::string::npos) << caso.nombre;
      EXPECT_LT(raiz.text().size(), 10u) << caso.nombre;
    }
  }
}

TEST_F(Xml, DocumentosYTextosGrandesSeCargan) {
  // Beyond the parser's default limits of 10 MB for one text and for the input it looks at.
  std::string contenido = "<r><a>" + std::string(12'000'000, 'x') + "</a>";
  for (int i = 0; i < 200'000; ++i) contenido += "<b>" + std::to_string(i) + "</b>";
  contenido += "</r>";
  Document documento;
  documento.load(Escribir("grande.xml", contenido));
  ASSERT_TRUE(documento.loaded());
  EXPECT_EQ(documento.selectSingleNode("/r/a").text().size(), 12'000'000u);
  const NodeList b = documento.selectNodes("/r/b");
  ASSERT_EQ(b.length(), 200'000u);
  EXPECT_EQ(b.item(199'999).text(), "199999");
}

// The result document: the old root goes, the declaration and comment stay, and the new
// tree is written without any white space of its own.
TEST_F(Xml, ConstruyeElDocumentoDeResultado) {
  const std::string declaracion = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";
  Document documento;
  documento.load(Escribir("elegido.xml", declaracion +
                                             "<!-- de Racima -->\n<SERVICIO modulo=\"X\">\n"
                                             "  <BLOQUE_DATOS><dato>2024</dato></BLOQUE_DATOS>\n"
                                             "</SERVICIO>\n"));
  ASSERT_TRUE(documento.loaded());
  const std::string anno = documento.selectSingleNode("/SERVICIO/BLOQUE_DATOS").firstChild().text();
  documento.removeDocumentElement();
  EXPECT_FALSE(documento.documentElement());

  Node servicio = documento.createElement("SERVICIO");
  servicio.setAttribute("modulo", "HORARIOS");
  servicio.setAttribute("tipo", "I");
  servicio.setAttribute("fecha", "01/09/2024 8:05:00");
  documento.appendChild(servicio);
  Node bloque = documento.createElement("BLOQUE_DATOS");
  servicio.appendChild(bloque);
  Node grupo = documento.createElement("grupo_datos");
  grupo.setAttribute("seq", "HORARIOS_REGULARES");
  grupo.setAttribute("registros", 2);
  grupo.setAttribute("registros", -12);  // replaced in place
  bloque.appendChild(grupo);
  for (const auto& [nombre, texto] : std::vector<std::pair<std::string, std::string>>{
           {"C_ANNO", anno},
           {"X_DEPENDENCIA", ""},
           {"MATERIA", "F\xC3\xADsica & <Qu\xC3\xADmica> \"1\" \xE2\x82\xAC"},
       }) {
    Node dato = documento.createElement("dato");
    dato.setAttribute("nombre_dato", nombre);
    dato.setText("borrado");
    dato.setText(texto);
    grupo.appendChild(dato);
  }
  documento.createElement("nunca_anadido");

  const fs::path salida = carpeta_ / "ResultadoHoravelelegido.xml";
  documento.save(salida);
  EXPECT_EQ(prueba::LeerArchivo(salida),
            declaracion +
                "<!-- de Racima -->\n"
                "<SERVICIO modulo=\"HORARIOS\" tipo=\"I\" fecha=\"01/09/2024 8:05:00\">"
                "<BLOQUE_DATOS><grupo_datos seq=\"HORARIOS_REGULARES\" registros=\"-12\">"
                "<dato nombre_dato=\"C_ANNO\">2024</dato>"
                "<dato nombre_dato=\"X_DEPENDENCIA\"/>"
                "<dato nombre_dato=\"MATERIA\">F\xEDsica &amp; &lt;Qu\xEDmica&gt; \"1\" "
                "&#8364;</dato>"
                "</grupo_datos></BLOQUE_DATOS></SERVICIO>\n");
  if (HayXmllint()) {
    EXPECT_TRUE(XmllintAcepta(salida));
  }

  Document releido;
  releido.load(salida);
  EXPECT_EQ(releido.selectSingleNode("//dato[@nombre_dato=\"MATERIA\"]").text(),
            "F\xC3\xADsica & <Qu\xC3\xADmica> \"1\" \xE2\x82\xAC");
}

TEST_F(Xml, UnDocumentoNuevoSeGuardaSinDeclaracion) {
  Document documento;
  EXPECT_FALSE(documento.loaded());
  documento.removeDocumentElement();
  Node raiz = documento.createElement("r");
  raiz.setText("\xC3\xB1");
  documento.appendChild(raiz);
  const fs::path salida = carpeta_ / "nuevo.xml";
  documento.save(salida);
  EXPECT_EQ(prueba::LeerArchivo(salida), "<r>\xC3\xB1</r>\n");
}

TEST_F(Xml, LoQueNoSePuedeHacerLanzaErrorEnEspanol) {
  Document documento;
  documento.load(Escribir("doc.xml", "<r><a><b/></a></r>"));
  Document otro;
  const Node a = documento.selectSingleNode("/r/a");
  const Node b = documento.selectSingleNode("/r/a/b");
  struct Caso {
    const char* nombre;
    std::function<void()> accion;
    std::string mensaje;
  };
  const Caso casos[] = {
      {"ruta rota", [&] { documento.selectNodes("/r["); }, mensajes::XmlRutaNoValida("/r[")},
      {"ruta que no da nodos", [&] { a.selectNodes("count(b)"); },
       mensajes::XmlRutaNoValida("count(b)")},
      {"nombre con blanco", [&] { documento.createElement("a b"); },
       mensajes::XmlNombreNoValido("a b")},
      {"nombre vacio", [&] { documento.createElement(""); }, mensajes::XmlNombreNoValido("")},
      {"nombre con numero delante", [&] { documento.createElement("1a"); },
       mensajes::XmlNombreNoValido("1a")},
      {"atributo mal nombrado", [&] { Node(b).setAttribute("x:y", "v"); },
       mensajes::XmlNombreNoValido("x:y")},
      {"caracter de control", [&] { Node(b).setText("a\x01"); }, mensajes::XmlTextoNoValido()},
      {"UTF-8 roto", [&] { Node(b).setAttribute("x", "\xE1"); }, mensajes::XmlTextoNoValido()},
      {"nodo inexistente", [&] { documento.selectSingleNode("/nada").text(); },
       mensajes::XmlNodoInexistente()},
      {"anadir a un nodo inexistente", [&] { Node().appendChild(a); },
       mensajes::XmlNodoInexistente()},
      {"segunda raiz", [&] { documento.appendChild(documento.createElement("s")); },
       mensajes::XmlOperacionNoValida()},
      {"antepasado dentro de su descendiente", [&] { Node(b).appendChild(a); },
       mensajes::XmlOperacionNoValida()},
      {"nodo de otro documento", [&] { Node(b).appendChild(otro.createElement("x")); },
       mensajes::XmlOperacionNoValida()},
  };
  for (const auto& caso : casos) {
    testing::internal::CaptureStderr();
    try {
      caso.accion();
      ADD_FAILURE() << caso.nombre << ": no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.Mensaje(), caso.mensaje) << caso.nombre;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << caso.nombre;
  }
  // Nothing changed on the way.
  const fs::path salida = carpeta_ / "salida.xml";
  documento.save(salida);
  EXPECT_EQ(prueba::LeerArchivo(salida), "<r><a><b/></a></r>\n");
}

TEST_F(Xml, GuardarReemplazaDeUnaVez) {
  const fs::path destino = Escribir("destino.xml", "<viejo/>");
  fs::permissions(destino, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  Document documento;
  documento.load(Escribir("nuevo.xml", "<nuevo/>"));
  documento.save(destino);
  EXPECT_EQ(prueba::LeerArchivo(destino), "<nuevo/>\n");
  EXPECT_EQ(fs::status(destino).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Archivos(), (std::vector<std::string>{"destino.xml", "nuevo.xml"}));
}

TEST_F(Xml, UnGuardadoFallidoDejaElArchivoComoEstaba) {
  Document documento;
  std::string grande = "<r>";
  for (int i = 0; i < 10'000; ++i) grande += "<dato>" + std::to_string(i) + "</dato>";
  documento.load(Escribir("grande.xml", grande + "</r>"));
  const fs::path viejo = Escribir("viejo.xml", "<viejo/>");

  NoSeGuarda(documento, carpeta_ / "no-existe" / "salida.xml");
  const fs::path carpeta = carpeta_ / "es-carpeta";
  fs::create_directory(carpeta);
  NoSeGuarda(documento, carpeta);
  EXPECT_TRUE(fs::is_directory(carpeta));

  // The disk fills up halfway through the file.
  rlimit limite;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
  const auto senal = signal(SIGXFSZ, SIG_IGN);
  rlimit corto = limite;
  corto.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &corto), 0);
  NoSeGuarda(documento, viejo);
  setrlimit(RLIMIT_FSIZE, &limite);
  signal(SIGXFSZ, senal);

  EXPECT_EQ(prueba::LeerArchivo(viejo), "<viejo/>");
  EXPECT_EQ(Archivos(), (std::vector<std::string>{"es-carpeta", "grande.xml", "viejo.xml"}));
}

TEST_F(Xml, EnUnaCarpetaSinPermisoDeEscrituraNoSeGuarda) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  Document documento;
  documento.load(Escribir("nuevo.xml", "<nuevo/>"));
  const fs::path viejo = Escribir("viejo.xml", "<viejo/>");
  fs::permissions(carpeta_, fs::perms::owner_write, fs::perm_options::remove);
  NoSeGuarda(documento, viejo);
  fs::permissions(carpeta_, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(prueba::LeerArchivo(viejo), "<viejo/>");
  EXPECT_EQ(Archivos(), (std::vector<std::string>{"nuevo.xml", "viejo.xml"}));
}

}  // namespace
}  // namespace vadelto::xml
