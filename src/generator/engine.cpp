#include "generator/engine.h"

#include <cstdint>
#include <limits>

#include "generator/generation_run.h"

namespace zelvane {

Outcome GenerateDataFile(Document& document, Engine& engine) {
  engine.Random.SeedFromClock();
  engine.CurrentLine = 1;
  CountListItems(document);
  GenerationRun run(document, engine);
  run.OpenDataFile();
  // Counted in 64 bits: a NoOfItems of the largest 32-bit value must end too.
  const std::int64_t last = document.NoOfItems;
  for (std::int64_t line = 1; line <= last; ++line) {
    engine.CurrentLine = static_cast<std::int32_t>(line);
    run.WriteDataLine(engine.CurrentLine);
  }
  if (last >= 1) {
    engine.CurrentLine = last < std::numeric_limits<std::int32_t>::max()
                             ? static_cast<std::int32_t>(last + 1)
                             : std::numeric_limits<std::int32_t>::max();
  }
  return run.CloseDataFile();
}

}  // namespace zelvane
