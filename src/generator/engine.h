#pragma once
// One generation run: the document becomes its .txt data file, a header line of field
// names and NoOfItems lines of generated values. The engine's own state lives for the
// whole program, next to the document.

#include <cstdint>

#include "document/document.h"
#include "platform/locale_conventions.h"
#include "platform/outcome.h"
#include "platform/random_source.h"

namespace zelvane {

struct Engine {
  std::int32_t CurrentLine = 0;
  std::int16_t LastListPick = 0;  // shared by every "From File" field, never reset
  RandomSource Random;
  LocaleConventions Conventions = LocaleConventions::System();
};

// Runs every line even when the file cannot be written; the outcome says whether the
// whole data file was written and, if not, why.
Outcome GenerateDataFile(Document& document, Engine& engine);

}  // namespace zelvane
