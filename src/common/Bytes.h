#pragma once
// Little-endian numbers inside file bytes (BMP and wave headers). The caller
// makes sure the bytes are there.
#include <cstdint>

inline std::uint16_t readLe16(const char* p) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(p[0]) | (static_cast<std::uint8_t>(p[1]) << 8));
}

inline std::uint32_t readLe32(const char* p) {
  return static_cast<std::uint32_t>(readLe16(p)) | (static_cast<std::uint32_t>(readLe16(p + 2)) << 16);
}
