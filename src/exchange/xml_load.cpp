// Reading a file into a libxml2 tree, safely: nothing outside the file is ever read (no DTD
// loading, no external entities, no network), libxml2 reports nothing on stderr, and a
// document that declares entities is refused, so no entity can ever be expanded into a
// billion laughs or a quadratic blow-up. Such declarations have no place in an exchange
// document; with them gone the parser can run without its size limits, and a document of
// hundreds of megabytes or a very long text still loads.

#include <libxml/parser.h>

#include <cstdio>

#include "exchange/xml_impl.h"

namespace vadelto::xml {
namespace {

constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_HUGE;

struct ParseState {
  bool refused = false;
};

void IgnoreError(void*, xmlError*) {}

void RefuseEntity(void* context, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
  auto* parser = static_cast<xmlParserCtxt*>(context);
  static_cast<ParseState*>(parser->_private)->refused = true;
  xmlStopParser(parser);
}

xmlParserInput* RefuseExternal(void*, const xmlChar*, const xmlChar*) {
  return nullptr;
}

int ReadFile(void* context, char* buffer, int length) {
  auto* file = static_cast<std::FILE*>(context);
  const std::size_t read = std::fread(buffer, 1, static_cast<std::size_t>(length), file);
  return read == 0 && std::ferror(file) ? -1 : static_cast<int>(read);
}

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
struct FreeParser {
  void operator()(xmlParserCtxt* parser) const { xmlFreeParserCtxt(parser); }
};

}  // namespace

DocPtr ParseFile(const std::filesystem::path& path) {
  std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
  if (!file) return nullptr;
  std::unique_ptr<xmlParserCtxt, FreeParser> parser(xmlNewParserCtxt());
  if (!parser) return nullptr;
  ParseState state;
  parser->_private = &state;
  parser->sax->serror = IgnoreError;
  parser->sax->entityDecl = RefuseEntity;
  parser->sax->resolveEntity = RefuseExternal;
  DocPtr doc(
      xmlCtxtReadIO(parser.get(), ReadFile, nullptr, file.get(), nullptr, nullptr, kOptions));
  if (state.refused || std::ferror(file.get())) return nullptr;
  return doc;
}

}  // namespace vadelto::xml
