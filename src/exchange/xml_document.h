#pragma once

// A small XML document service over libxml2: the operations the conversions use, with the
// semantics of the Windows XML document object they were written against. Texts are UTF-8
// here; the exchange layer converts to and from Windows-1252. Failures raise vadelto::Error
// with a Spanish message. Safe by default: no DTD loading, no external entities, no network.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct _xmlNode;
struct _xmlDoc;

namespace vadelto::xml {

class Document;
class NodeList;

// A light handle on a node; valid while its document lives and the node is in it.
class Node {
 public:
  Node() = default;
  explicit operator bool() const { return node_ != nullptr; }

  std::string name() const;
  // The character data of the node and all its descendants (CDATA included), concatenated
  // in document order, not trimmed.
  std::string text() const;
  // The element's content becomes this text; empty text leaves it empty.
  void setText(std::string_view utf8);
  void setAttribute(std::string_view name, std::string_view utf8);
  void setAttribute(std::string_view name, long long value);
  std::string attribute(std::string_view name) const;

  // XPath 1.0 relative to this node ("dato"); no match gives an empty list.
  NodeList selectNodes(std::string_view xpath) const;
  Node selectSingleNode(std::string_view xpath) const;
  // The element children with this name, in order: what selectNodes(name) gives for a
  // plain name, without evaluating a path.
  NodeList childElements(std::string_view name) const;
  Node firstChild() const;
  // The element `child` (new, or moved from elsewhere in this document) becomes the last
  // child of this element.
  void appendChild(Node child);
  // The node as save() writes it within its document (same encoding and escaping).
  std::string serialized() const;
  // Takes the node and its descendants out of the document and frees them; every handle on
  // them, this one included, is then invalid.
  void remove();

 private:
  friend class Document;
  friend class NodeList;
  Node(_xmlNode* node, Document* document) : node_(node), document_(document) {}
  _xmlNode* Checked() const;  // the node, or Error when the handle is empty
  void Attach();              // unlinks the node, which the tree is about to own
  _xmlNode* node_ = nullptr;
  Document* document_ = nullptr;
};

class NodeList {
 public:
  NodeList() = default;
  std::size_t length() const { return nodes_.size(); }
  Node item(std::size_t index) const;  // 0-based, document order

 private:
  friend class Document;
  friend class Node;
  std::vector<_xmlNode*> nodes_;
  Document* document_ = nullptr;
};

class Document {
 public:
  Document();
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // Parses the whole file. Never raises: a file that cannot be read or is not well-formed
  // leaves an empty document, in which every selection is empty, and loaded() is false.
  // White space between elements does not become nodes.
  void load(const std::filesystem::path& path);
  bool loaded() const { return loaded_; }

  // Absolute XPath 1.0 ("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"MATERIAS\"]/grupo_datos").
  NodeList selectNodes(std::string_view xpath) const;
  Node selectSingleNode(std::string_view xpath) const;

  Node documentElement() const;
  // The root element goes (if there is one); the XML declaration, comments and processing
  // instructions stay.
  void removeDocumentElement();
  // A new element outside the tree, owned by the document until appended.
  Node createElement(std::string_view name);
  // The element becomes the root, after the top-level nodes already there; Error when the
  // document has another root.
  void appendChild(Node child);

  // Creates or replaces the file atomically (written beside it, then renamed), in the
  // encoding the kept XML declaration names, UTF-8 when there is none; the declaration is
  // written as loaded, and none when the loaded document had none.
  void save(const std::filesystem::path& path) const;
  // The bytes save() would write, as text.
  std::string serialized() const;

 private:
  friend class Node;
  struct Impl;
  std::unique_ptr<Impl> impl_;
  bool loaded_ = false;
};

}  // namespace vadelto::xml
