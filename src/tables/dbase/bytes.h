#pragma once

// Reading and writing the fixed-size integers of dBase files, whatever the host's byte order.

#include <cstdint>

namespace vadelto::dbase::bytes {

inline std::uint8_t U8(const char* p) {
  return static_cast<std::uint8_t>(*p);
}

inline std::uint16_t Le16(const char* p) {
  return static_cast<std::uint16_t>(U8(p) | U8(p + 1) << 8);
}

inline std::uint32_t Le32(const char* p) {
  return static_cast<std::uint32_t>(U8(p)) | static_cast<std::uint32_t>(U8(p + 1)) << 8 |
         static_cast<std::uint32_t>(U8(p + 2)) << 16 | static_cast<std::uint32_t>(U8(p + 3)) << 24;
}

inline std::uint64_t Le64(const char* p) {
  return static_cast<std::uint64_t>(Le32(p)) | static_cast<std::uint64_t>(Le32(p + 4)) << 32;
}

inline std::uint32_t Be32(const char* p) {
  return static_cast<std::uint32_t>(U8(p)) << 24 | static_cast<std::uint32_t>(U8(p + 1)) << 16 |
         static_cast<std::uint32_t>(U8(p + 2)) << 8 | static_cast<std::uint32_t>(U8(p + 3));
}

inline std::uint64_t Be64(const char* p) {
  return static_cast<std::uint64_t>(Be32(p)) << 32 | Be32(p + 4);
}

inline void PutLe16(char* p, std::uint16_t v) {
  p[0] = static_cast<char>(v);
  p[1] = static_cast<char>(v >> 8);
}

inline void PutLe32(char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>(v >> (8 * i));
}

inline void PutBe32(char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>(v >> (24 - 8 * i));
}

inline void PutBe64(char* p, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = static_cast<char>(v >> (56 - 8 * i));
}

}  // namespace vadelto::dbase::bytes
