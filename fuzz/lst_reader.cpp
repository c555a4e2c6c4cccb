// Arbitrary bytes as a .lst file: the reader keeps a consistent store whatever it
// meets, and what it read writes back and reads again the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zelvane::Document document;
  zelvane::ParseListFile(document, bytes);
  if (document.ListEntryCount < 0 || document.ListEntryCount > zelvane::kMaxListEntries) std::abort();
  const std::string written = zelvane::FormatListFile(document);
  zelvane::Document again;
  if (!zelvane::ParseListFile(again, written) || zelvane::FormatListFile(again) != written) {
    std::abort();
  }
  return 0;
}
