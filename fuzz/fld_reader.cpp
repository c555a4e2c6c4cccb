// Arbitrary bytes as a .fld file: the reader must fail cleanly or read something that
// writes back and reads again the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/field_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zelvane::Document document;
  if (!zelvane::ParseFieldFile(document, bytes)) return 0;
  const std::string written = zelvane::FormatFieldFile(document);
  zelvane::Document again;
  if (!zelvane::ParseFieldFile(again, written) || zelvane::FormatFieldFile(again) != written) {
    std::abort();
  }
  return 0;
}
