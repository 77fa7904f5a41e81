// Writing a tree back as it was loaded: the declaration the file had (version, encoding
// name and standalone as written; none when it had none), the top-level nodes in order,
// no indentation. A character the encoding cannot hold becomes a character reference.

#include <libxml/encoding.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlsave.h>

#include <functional>
#include <string>
#include <string_view>

#include "exchange/xml_impl.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::xml {
namespace {

const char* AsChars(const xmlChar* text) {
  return reinterpret_cast<const char*>(text);
}

// libxml2 keeps standalone -1 for a document without declaration.
bool HasDeclaration(const xmlDoc* doc) {
  return doc->standalone != -1;
}

std::string Declaration(const xmlDoc* doc) {
  std::string text = "<?xml version=\"";
  text += doc->version ? AsChars(doc->version) : "1.0";
  text += '"';
  if (doc->encoding) text += std::string(" encoding=\"") + AsChars(doc->encoding) + '"';
  if (doc->standalone == 1) text += " standalone=\"yes\"";
  if (doc->standalone == 0) text += " standalone=\"no\"";
  text += "?>\n";
  return text;
}

using Sink = std::function<void(std::string_view)>;

// A failure stays in the sink (the file asks afterwards); telling libxml2 would only make it
// print the error on stderr.
int WriteToSink(void* context, const char* buffer, int length) {
  (*static_cast<const Sink*>(context))({buffer, static_cast<std::size_t>(length)});
  return length;
}

// The whole document (declaration and top-level nodes), or only `node`, as save() writes it.
bool Dump(xmlDoc* doc, xmlNode* node, const Sink& sink) {
  const char* encoding = HasDeclaration(doc) && doc->encoding ? AsChars(doc->encoding) : "UTF-8";
  xmlCharEncodingHandler* encoder = nullptr;
  if (xmlStrcasecmp(BAD_CAST encoding, BAD_CAST "UTF-8") != 0) {
    encoder = xmlFindCharEncodingHandler(encoding);
    if (!encoder) return false;
  }
  xmlOutputBuffer* output =
      xmlOutputBufferCreateIO(WriteToSink, nullptr, const_cast<Sink*>(&sink), encoder);
  if (!output) {
    if (encoder) xmlCharEncCloseFunc(encoder);
    return false;
  }
  if (node) {
    xmlNodeDumpOutput(output, doc, node, 0, 0, encoding);
  } else {
    if (HasDeclaration(doc)) xmlOutputBufferWriteString(output, Declaration(doc).c_str());
    for (xmlNode* top = doc->children; top; top = top->next) {
      xmlNodeDumpOutput(output, doc, top, 0, 0, encoding);
      xmlOutputBufferWriteString(output, "\n");
    }
  }
  const bool failed = output->error != 0;
  return xmlOutputBufferClose(output) >= 0 && !failed;
}

std::string DumpToText(xmlDoc* doc, xmlNode* node) {
  std::string text;
  if (!Dump(doc, node, [&](std::string_view bytes) { text += bytes; })) {
    throw Error(mensajes::XmlOperacionNoValida());
  }
  return text;
}

}  // namespace

bool Serialize(xmlDoc* doc, AtomicFile& file) {
  return Dump(doc, nullptr, [&](std::string_view bytes) { file.Write(bytes); });
}

std::string Document::serialized() const {
  return DumpToText(impl_->doc.get(), nullptr);
}

std::string Node::serialized() const {
  return DumpToText(document_->impl_->doc.get(), Checked());
}

void Document::save(const std::filesystem::path& path) const {
  AtomicFile file(path);
  if (!Serialize(impl_->doc.get(), file) || !file.Commit()) {
    throw Error(mensajes::XmlNoSeGuarda(AnsiDesdeUtf8(path.string())));
  }
}

}  // namespace vadelto::xml
