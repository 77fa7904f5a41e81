#include "exchange/xml_document.h"

#include <libxml/chvalid.h>
#include <libxml/xpathInternals.h>

#include <new>
#include <string>

#include "exchange/xml_impl.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::xml {
namespace {

struct FreeXmlString {
  void operator()(xmlChar* text) const { xmlFree(text); }
};
struct FreeNode {
  void operator()(xmlNode* node) const { xmlFreeNode(node); }
};
struct FreeXPathObject {
  void operator()(xmlXPathObject* object) const { xmlXPathFreeObject(object); }
};

std::string Owned(xmlChar* text) {
  const std::unique_ptr<xmlChar, FreeXmlString> owned(text);
  return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

const xmlChar* Chars(const std::string& text) {
  return BAD_CAST text.c_str();
}

void IgnoreError(void*, xmlError*) {}

// Valid UTF-8 made only of characters XML 1.0 allows, so a saved document stays readable.
bool IsXmlText(std::string_view utf8) {
  const auto* cursor = reinterpret_cast<const unsigned char*>(utf8.data());
  auto remaining = static_cast<int>(utf8.size());
  while (remaining > 0) {
    int length = remaining;
    const int character = xmlGetUTF8Char(cursor, &length);
    if (character < 0 || !xmlIsCharQ(character)) return false;
    cursor += length;
    remaining -= length;
  }
  return true;
}

std::string CheckedText(std::string_view utf8) {
  if (!IsXmlText(utf8)) throw Error(mensajes::XmlTextoNoValido());
  return std::string(utf8);
}

std::string CheckedName(std::string_view name) {
  std::string text(name);
  if (!IsXmlText(name) || xmlValidateNCName(Chars(text), 0) != 0) {
    throw Error(mensajes::XmlNombreNoValido(AnsiDesdeUtf8(name)));
  }
  return text;
}

template <typename T>
T* Created(T* node) {
  if (!node) throw std::bad_alloc();
  return node;
}

bool IsAncestorOrSelf(const xmlNode* candidate, const xmlNode* node) {
  for (; node; node = node->parent) {
    if (node == candidate) return true;
  }
  return false;
}

}  // namespace

// ---- Document -------------------------------------------------------------------------

Document::Impl::Impl() {
  Replace(nullptr);
}

Document::Impl::~Impl() {
  for (xmlNode* node : unattached) xmlFreeNode(node);
}

void Document::Impl::Replace(DocPtr document) {
  // The elements use the old document's dictionary: they go first.
  for (xmlNode* node : unattached) xmlFreeNode(node);
  unattached.clear();
  xpath.reset();
  doc = document ? std::move(document) : DocPtr(Created(xmlNewDoc(BAD_CAST "1.0")));
  xpath.reset(Created(xmlXPathNewContext(doc.get())));
  xpath->error = IgnoreError;
}

Document::Document() : impl_(std::make_unique<Impl>()) {}
Document::~Document() = default;

void Document::load(const std::filesystem::path& path) {
  DocPtr parsed = ParseFile(path);
  loaded_ = parsed != nullptr;
  impl_->Replace(std::move(parsed));
}

NodeList Document::selectNodes(std::string_view xpath) const {
  return Node(reinterpret_cast<xmlNode*>(impl_->doc.get()), const_cast<Document*>(this))
      .selectNodes(xpath);
}

Node Document::selectSingleNode(std::string_view xpath) const {
  return selectNodes(xpath).item(0);
}

Node Document::documentElement() const {
  return Node(xmlDocGetRootElement(impl_->doc.get()), const_cast<Document*>(this));
}

void Document::removeDocumentElement() {
  if (xmlNode* root = xmlDocGetRootElement(impl_->doc.get())) {
    xmlUnlinkNode(root);
    xmlFreeNode(root);
  }
}

Node Document::createElement(std::string_view name) {
  const std::string checked = CheckedName(name);
  std::unique_ptr<xmlNode, FreeNode> element(
      Created(xmlNewDocNode(impl_->doc.get(), nullptr, Chars(checked), nullptr)));
  impl_->unattached.insert(element.get());
  return Node(element.release(), this);
}

void Document::appendChild(Node child) {
  xmlDoc* doc = impl_->doc.get();
  xmlNode* node = child.Checked();
  xmlNode* root = xmlDocGetRootElement(doc);
  if (node->type != XML_ELEMENT_NODE || node->doc != doc || (root && root != node)) {
    throw Error(mensajes::XmlOperacionNoValida());
  }
  child.Attach();
  xmlAddChild(reinterpret_cast<xmlNode*>(doc), node);
}

// ---- Node -----------------------------------------------------------------------------

xmlNode* Node::Checked() const {
  if (!node_) throw Error(mensajes::XmlNodoInexistente());
  return node_;
}

void Node::Attach() {
  document_->impl_->unattached.erase(node_);
  xmlUnlinkNode(node_);
}

std::string Node::name() const {
  const xmlNode* node = Checked();
  switch (node->type) {
    case XML_TEXT_NODE:
      return "#text";
    case XML_CDATA_SECTION_NODE:
      return "#cdata-section";
    case XML_COMMENT_NODE:
      return "#comment";
    default:
      break;
  }
  std::string name;
  if (node->ns && node->ns->prefix)
    name = std::string(reinterpret_cast<const char*>(node->ns->prefix)) + ':';
  return name + reinterpret_cast<const char*>(node->name);
}

std::string Node::text() const {
  return Owned(xmlNodeGetContent(Checked()));
}

void Node::setText(std::string_view utf8) {
  xmlNode* node = Checked();
  const std::string text = CheckedText(utf8);
  switch (node->type) {
    case XML_ELEMENT_NODE:
      // Replaced by one text node taken as it is: no entity references are parsed.
      xmlNodeSetContent(node, nullptr);
      if (!text.empty()) xmlNodeAddContentLen(node, Chars(text), static_cast<int>(text.size()));
      break;
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
      xmlNodeSetContentLen(node, Chars(text), static_cast<int>(text.size()));
      break;
    default:
      throw Error(mensajes::XmlOperacionNoValida());
  }
}

void Node::setAttribute(std::string_view name, std::string_view utf8) {
  xmlNode* node = Checked();
  if (node->type != XML_ELEMENT_NODE) throw Error(mensajes::XmlOperacionNoValida());
  const std::string checkedName = CheckedName(name);
  Created(xmlSetProp(node, Chars(checkedName), Chars(CheckedText(utf8))));
}

void Node::setAttribute(std::string_view name, long long value) {
  setAttribute(name, std::to_string(value));
}

std::string Node::attribute(std::string_view name) const {
  xmlNode* node = Checked();
  return node->type == XML_ELEMENT_NODE ? Owned(xmlGetProp(node, Chars(std::string(name))))
                                        : std::string();
}

NodeList Node::selectNodes(std::string_view xpath) const {
  xmlNode* node = Checked();
  xmlXPathContext* context = document_->impl_->xpath.get();
  context->node = node;
  const std::string expression(xpath);
  const std::unique_ptr<xmlXPathObject, FreeXPathObject> result(
      xmlXPathEval(Chars(expression), context));
  if (!result || result->type != XPATH_NODESET) {
    throw Error(mensajes::XmlRutaNoValida(AnsiDesdeUtf8(xpath)));
  }
  NodeList list;
  list.document_ = document_;
  if (const xmlNodeSet* nodes = result->nodesetval) {
    for (int i = 0; i < nodes->nodeNr; ++i) {
      // Namespace nodes are copies that die with the result.
      if (nodes->nodeTab[i]->type != XML_NAMESPACE_DECL) list.nodes_.push_back(nodes->nodeTab[i]);
    }
  }
  return list;
}

Node Node::selectSingleNode(std::string_view xpath) const {
  return selectNodes(xpath).item(0);
}

NodeList Node::childElements(std::string_view name) const {
  NodeList list;
  list.document_ = document_;
  for (xmlNode* child = Checked()->children; child; child = child->next) {
    if (child->type == XML_ELEMENT_NODE && !child->ns &&
        name == reinterpret_cast<const char*>(child->name)) {
      list.nodes_.push_back(child);
    }
  }
  return list;
}

Node Node::firstChild() const {
  return Node(Checked()->children, document_);
}

void Node::appendChild(Node child) {
  xmlNode* parent = Checked();
  xmlNode* node = child.Checked();
  if (parent->type != XML_ELEMENT_NODE || node->type != XML_ELEMENT_NODE ||
      node->doc != parent->doc || IsAncestorOrSelf(node, parent)) {
    throw Error(mensajes::XmlOperacionNoValida());
  }
  child.Attach();
  xmlAddChild(parent, node);
}

void Node::remove() {
  xmlNode* node = Checked();
  document_->impl_->unattached.erase(node);
  xmlUnlinkNode(node);
  xmlFreeNode(node);
  node_ = nullptr;
}

Node NodeList::item(std::size_t index) const {
  return index < nodes_.size() ? Node(nodes_[index], document_) : Node();
}

}  // namespace vadelto::xml
