#include "tables/dbase/layout.h"

#include <ctime>
#include <optional>

#include "tables/dbase/bytes.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::dbase {
namespace {

constexpr std::size_t kLevel7HeaderSize = 68;
constexpr std::size_t kLevel7DescriptorSize = 48;
constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr char kFieldsEnd = 0x0D;

std::optional<Flavor> FlavorOf(std::uint8_t version) {
  switch (version) {
    case 0x30:
    case 0x31:
    case 0x32:
      return Flavor::VisualFoxPro;
    case 0xF5:
    case 0xFB:
      return Flavor::FoxPro;
    default:
      break;
  }
  if ((version & 0x07) == 4) return Flavor::Level7;
  if ((version & 0x07) == 3) return Flavor::DBase;
  return std::nullopt;
}

// The binary types have one width; a descriptor that says otherwise would mislead decoding.
bool WidthFits(Flavor flavor, char type, int length) {
  switch (type) {
    case 'I':
    case '+':
      return length == 4;
    case 'O':
    case 'D':
    case '@':
      return length == 8;
    case 'L':
      return length == 1;
    case 'B':
      return flavor != Flavor::VisualFoxPro || length == 8;
    case 'Y':
      return flavor != Flavor::VisualFoxPro || length == 8;
    default:
      return length > 0;
  }
}

Field ReadDescriptor(const char* d, Flavor flavor, std::uint32_t offset, std::string_view table) {
  const bool level7 = flavor == Flavor::Level7;
  const std::size_t nameSize = level7 ? 32 : 11;
  std::string name(d, nameSize);
  name.resize(name.find('\0') == std::string::npos ? nameSize : name.find('\0'));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  Field field{{name, d[level7 ? 32 : 11], bytes::U8(d + (level7 ? 33 : 16)),
               bytes::U8(d + (level7 ? 34 : 17))},
              offset};
  if (name.empty() || !WidthFits(flavor, field.info.type, field.info.length)) {
    throw Error(mensajes::TablaDanada(table, mensajes::DetalleCampoNoValido(name)));
  }
  return field;
}

}  // namespace

Date Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Layout ReadLayout(std::string_view file, std::string_view table) {
  const auto incomplete = [&] {
    return Error(mensajes::TablaDanada(table, mensajes::DetalleEncabezadoIncompleto()));
  };
  if (file.size() < kHeaderSize) throw incomplete();
  Layout layout;
  layout.version = bytes::U8(file.data());
  const std::optional<Flavor> flavor = FlavorOf(layout.version);
  if (!flavor) throw Error(mensajes::TablaFormatoDesconocido(table, layout.version));
  layout.flavor = *flavor;
  const bool level7 = layout.flavor == Flavor::Level7;
  const std::size_t first = level7 ? kLevel7HeaderSize : kHeaderSize;
  const std::size_t step = level7 ? kLevel7DescriptorSize : kDescriptorSize;
  if (file.size() < first) throw incomplete();

  layout.recordCount = bytes::Le32(&file[4]);
  layout.headerLength = bytes::Le16(&file[8]);
  layout.recordLength = bytes::Le16(&file[10]);
  layout.productionIndex = file[28] == 1;
  layout.languageId = bytes::U8(&file[29]);
  if (level7) {
    const std::string_view name = file.substr(32, 32);
    layout.languageName = std::string(name.substr(0, name.find('\0')));
  }
  if (layout.headerLength > file.size()) throw incomplete();

  // Descriptors run up to the terminator; whatever follows it (field properties, the
  // Visual FoxPro backlink) is counted in the header length and skipped.
  std::uint32_t offset = 1;
  std::size_t pos = first;
  while (pos < layout.headerLength && file[pos] != kFieldsEnd) {
    if (pos + step > layout.headerLength) {
      throw Error(mensajes::TablaDanada(table, mensajes::DetalleCamposSinFin()));
    }
    layout.fields.push_back(ReadDescriptor(&file[pos], layout.flavor, offset, table));
    offset += static_cast<std::uint32_t>(layout.fields.back().info.length);
    pos += step;
  }
  if (pos > layout.headerLength || (pos == layout.headerLength && layout.fields.empty())) {
    throw Error(mensajes::TablaDanada(table, mensajes::DetalleCamposSinFin()));
  }
  if (layout.recordLength != offset) {
    throw Error(mensajes::TablaDanada(
        table, mensajes::DetalleLongitudRegistro(layout.recordLength, offset)));
  }
  const std::uint64_t present = (file.size() - layout.headerLength) / layout.recordLength;
  if (layout.recordCount > present) {
    throw Error(mensajes::TablaDanada(
        table, mensajes::DetalleRegistrosIncompletos(layout.recordCount, present)));
  }
  return layout;
}

std::string Level7Header(const std::vector<NewField>& fields, bool productionIndex, Date date) {
  std::string header(kLevel7HeaderSize + kLevel7DescriptorSize * fields.size() + 1, '\0');
  std::uint32_t recordLength = 1;
  for (const NewField& f : fields) recordLength += static_cast<std::uint32_t>(f.info.length);
  header[0] = 0x04;
  StampHeader(header.data(), 0, date);
  bytes::PutLe16(&header[8], static_cast<std::uint16_t>(header.size()));
  bytes::PutLe16(&header[10], static_cast<std::uint16_t>(recordLength));
  header[28] = productionIndex ? 1 : 0;
  header.replace(32, kLanguageDriver.size(), kLanguageDriver);
  char* d = &header[kLevel7HeaderSize];
  for (const NewField& f : fields) {
    f.info.name.copy(d, 31);
    d[32] = f.info.type;
    d[33] = static_cast<char>(f.info.length);
    d[34] = static_cast<char>(f.info.decimals);
    d[37] = f.indexed ? 1 : 0;
    d += kLevel7DescriptorSize;
  }
  *d = kFieldsEnd;
  return header;
}

std::string DBase3Header(const std::vector<FieldInfo>& fields, Date date) {
  std::string header(kHeaderSize + kDescriptorSize * fields.size() + 1, '\0');
  std::uint32_t recordLength = 1;
  for (const FieldInfo& f : fields) recordLength += static_cast<std::uint32_t>(f.length);
  header[0] = 0x03;
  StampHeader(header.data(), 0, date);
  bytes::PutLe16(&header[8], static_cast<std::uint16_t>(header.size()));
  bytes::PutLe16(&header[10], static_cast<std::uint16_t>(recordLength));
  char* d = &header[kHeaderSize];
  for (const FieldInfo& f : fields) {
    f.name.copy(d, 10);
    d[11] = f.type;
    d[16] = static_cast<char>(f.length);
    d[17] = static_cast<char>(f.decimals);
    d += kDescriptorSize;
  }
  *d = kFieldsEnd;
  return header;
}

void StampHeader(char* header, std::uint32_t recordCount, Date date) {
  header[1] = static_cast<char>(date.year - 1900);
  header[2] = static_cast<char>(date.month);
  header[3] = static_cast<char>(date.day);
  bytes::PutLe32(header + 4, recordCount);
}

std::uint8_t LanguageId(const Layout& layout) {
  if (layout.languageId != 0) return layout.languageId;
  if (layout.languageName == "DBWINUS0") return 0x57;
  if (layout.languageName == kLanguageDriver) return kLanguageDriverId;
  if (layout.languageName == "DBWINES0") return 0x59;
  return 0;
}

}  // namespace vadelto::dbase
