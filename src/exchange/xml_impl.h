#pragma once

// Internals of the XML document service shared by its source files.

#include <libxml/tree.h>
#include <libxml/xpath.h>

#include <filesystem>
#include <memory>
#include <unordered_set>

#include "exchange/atomic_file.h"
#include "exchange/xml_document.h"

namespace vadelto::xml {

struct FreeDoc {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, FreeDoc>;

// The parsed file, or null when it cannot be read, is not well-formed or is refused.
DocPtr ParseFile(const std::filesystem::path& path);

// Writes the document as save() keeps it; false when the file or the encoder fails.
bool Serialize(xmlDoc* doc, AtomicFile& file);

struct Document::Impl {
  Impl();
  ~Impl();
  // Takes `document`, or an empty one when it is null.
  void Replace(DocPtr document);

  DocPtr doc;
  std::unique_ptr<xmlXPathContext, void (*)(xmlXPathContext*)> xpath{nullptr, xmlXPathFreeContext};
  // Elements made by createElement and never appended; freed with the document.
  std::unordered_set<xmlNode*> unattached;
};

}  // namespace vadelto::xml
