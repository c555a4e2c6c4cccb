#pragma once
// The steps of one generation run, which GenerateDataFile drives in order:
// CountListItems, OpenDataFile, WriteDataLine for lines 1 to NoOfItems, CloseDataFile.
// What the run reads from a field's definition (its type, the start year of a date, the
// start time of a time) is prepared once, when the run starts; nothing touches the
// definitions during a run, so the values are the same as if read for every value.

#include <array>
#include <cstdint>
#include <string>

#include "document/document.h"
#include "generator/data_file.h"
#include "generator/data_types.h"
#include "generator/engine.h"
#include "generator/numeric_generators.h"
#include "platform/outcome.h"
#include "platform/value_text.h"

namespace zelvane {

// The document's path without blanks around it, ".fld" replaced by ".txt"; empty for an
// untitled document.
std::string DataFileName(const std::string& current_file);

// Sets ItemCount of fields 1 to FieldCount: the number of list entries in use that
// belong to each.
void CountListItems(Document& document);

class GenerationRun {
 public:
  GenerationRun(Document& document, Engine& engine);

  // Creates the data file and writes the header line of field names.
  void OpenDataFile();
  // Generates every field's value for the line, keeps it in the field and writes it.
  void WriteDataLine(std::int32_t line);
  // Makes the value of field field_no on the line and stores it as its CurrentValue.
  void GenerateValue(std::int32_t line, std::int16_t field_no);
  // Ok only when every byte reached the file and it closed cleanly.
  Outcome CloseDataFile();

 private:
  struct PreparedField {
    DataType type = DataType::None;
    bool start_year_fits = false;
    std::int16_t start_year = 0;
    TimeStart time_start;
  };

  void GenerateDate(const FieldDef& field, const PreparedField& prepared, Value& value);

  Document& document_;
  Engine& engine_;
  int field_count_ = 0;
  ValueFormatter formatter_;
  std::array<PreparedField, kMaxFields> prepared_{};
  DataFileWriter writer_;
};

}  // namespace zelvane
