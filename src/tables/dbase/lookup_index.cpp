#include "tables/dbase/lookup_index.h"

#include "tables/dbase/value.h"

namespace vadelto::dbase {
namespace {

// Several fields' keys in one text, each behind its length so no two combinations collide.
void AppendPart(std::string& key, std::string_view part) {
  const auto size = static_cast<std::uint32_t>(part.size());
  key.append(reinterpret_cast<const char*>(&size), sizeof size);
  key.append(part);
}

}  // namespace

std::string FieldKey(const char* record, const Field& field, Flavor flavor) {
  if (field.info.type == 'C')
    return std::string(CharacterView(record + field.offset, field.info.length));
  return AsText(Decode(record + field.offset, field.info, flavor));
}

std::optional<std::string> ValueKey(const Field& field, std::string_view value) {
  if (field.info.type == 'C') {
    // What no stored text can read back as.
    if (value.size() > static_cast<std::size_t>(field.info.length)) return std::nullopt;
    if (!value.empty() && value.back() == ' ') return std::nullopt;
    if (value.find('\0') != std::string_view::npos) return std::nullopt;
  }
  return std::string(value);
}

void FirstMatchIndex::Add(const char* record, std::uint32_t number, const Layout& layout) {
  if (*record == kDeletedRecord) return;
  std::string key;
  for (std::size_t f : fields_) AppendPart(key, FieldKey(record, layout.fields[f], layout.flavor));
  first_.emplace(std::move(key), number);
}

std::optional<std::uint32_t> FirstMatchIndex::Find(const Layout& layout,
                                                   const std::vector<std::string>& values) const {
  std::string key;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const std::optional<std::string> part = ValueKey(layout.fields[fields_[i]], values[i]);
    if (!part) return std::nullopt;
    AppendPart(key, *part);
  }
  const auto found = first_.find(key);
  if (found == first_.end()) return std::nullopt;
  return found->second;
}

FieldGroups::FieldGroups(std::size_t field, std::string_view records, const Layout& layout)
    : field_(field) {
  const Field& f = layout.fields[field];
  for (std::uint32_t r = 0; r < layout.recordCount; ++r) {
    const char* record = records.data() + std::size_t{r} * layout.recordLength;
    if (*record == kDeletedRecord) continue;
    groups_[FieldKey(record, f, layout.flavor)].push_back(r);
  }
}

const std::vector<std::uint32_t>& FieldGroups::Rows(const Layout& layout,
                                                    std::string_view value) const {
  const std::optional<std::string> key = ValueKey(layout.fields[field_], value);
  if (!key) return none_;
  const auto found = groups_.find(*key);
  return found == groups_.end() ? none_ : found->second;
}

}  // namespace vadelto::dbase
