#pragma once
// The steps of one generation run, which GenerateDataFile drives in order:
// CountListItems, OpenDataFile, WriteDataLine for lines 1 to NoOfItems, CloseDataFile.
// What the run reads from a field's definition (its type, the start year of a date, the
// start time of a time, its list) is prepared once, when the run starts; nothing touches
// the definitions during a run, so the values are the same as if read for every value.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/document.h"
#include "generator/data_file.h"
#include "generator/data_types.h"
#include "generator/date_text_cache.h"
#include "generator/engine.h"
#include "generator/numeric_generators.h"
#include "generator/padded_text.h"
#include "platform/date_serial.h"
#include "platform/outcome.h"
#include "platform/value_text.h"

namespace zelvane {

// The document's path with ".fld" replaced by ".txt"; empty for an untitled document
// and for one without companion files.
std::string DataFileName(const std::string& current_file);

// Sets ItemCount of fields 1 to FieldCount: the number of list entries in use that
// belong to each.
void CountListItems(Document& document);

class GenerationRun {
 public:
  GenerationRun(Document& document, Engine& engine);
  ~GenerationRun();
  GenerationRun(const GenerationRun&) = delete;
  GenerationRun& operator=(const GenerationRun&) = delete;

  // Creates the data file and writes the header line of field names.
  void OpenDataFile();
  // Generates every field's value for the line, keeps it in the field and writes it.
  void WriteDataLine(std::int32_t line);
  // Ok only when every byte reached the file and it closed cleanly.
  Outcome CloseDataFile();

 private:
  // Two whole cache lines: a field's members never straddle a third, and finding a linked
  // field by number is a shift.
  struct alignas(64) PreparedField {
    DataType type = DataType::None;
    std::int32_t size = 0;
    std::int16_t links_to = 0;
    std::int16_t item_count = 0;
    PaddedText start;
    bool start_year_fits = false;
    std::int16_t start_year = 0;
    TimeStart time_start;
    std::int32_t time_steps = 0;
    std::span<const PaddedText> list;
    Value* value = nullptr;  // the field's CurrentValue
    bool last = false;       // the last column, whose numbers get blanks around them
    // A text value still only in the output: CurrentValue gets it when something reads it,
    // before the output moves, and when the run ends.
    const char* pending = nullptr;
    std::size_t pending_size = 0;
  };

  // Makes the value of the field on the line, keeps it as the field's CurrentValue and
  // writes its text form (the last-column form for the last field) at out.
  inline char* GenerateValue(PreparedField& field, std::int32_t line, RandomSource& random, char* out);
  inline char* GenerateDate(PreparedField& field, char* out);
  char* WriteNumber(std::int32_t value, bool last, char* out) const;
  char* KeepText(PreparedField& field, const char* begin, char* end);
  static void Clear(PreparedField& field);
  void StorePendingTexts();
  std::size_t MaxLength(const PreparedField& field) const;

  Document& document_;
  Engine& engine_;
  int field_count_ = 0;
  ValueFormatter formatter_;
  DateTimeParser date_parser_;  // reads linked texts as base dates
  DateTextCache date_texts_;
  std::vector<PaddedText> list_items_;
  std::vector<PreparedField> prepared_;
  std::size_t line_length_ = 0;  // the most a data line can take, with the spare room
  DataFileWriter writer_;
};

}  // namespace zelvane
