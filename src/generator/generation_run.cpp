#include "generator/generation_run.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <variant>

#include "document/list_file.h"
#include "generator/text_generators.h"
#include "platform/date_serial.h"
#include "platform/number_text.h"

namespace zelvane {
namespace {

// The linked slot's value as a base date: empty is day 0, numbers count days, a text
// must read as a date or time.
std::optional<DateSerial> AsDate(const Value& value, const LocaleConventions& conventions) {
  switch (KindOf(value)) {
    case ValueKind::Empty: return DateSerial{};
    case ValueKind::Whole: return DateFromSerial(std::get<std::int32_t>(value));
    case ValueKind::Real: return DateFromSerial(std::get<double>(value));
    case ValueKind::Date: return DateFromSerial(std::get<DateSerial>(value).days);
    case ValueKind::Text: return ReadDateTime(std::get<std::string>(value), conventions);
  }
  return std::nullopt;
}

// Stores a number or a date; assigning in place skips the variant's reset when the
// field held the same kind on the line before.
template <typename T>
void Store(Value& value, T x) {
  if (T* held = std::get_if<T>(&value)) {
    *held = x;
  } else {
    value.emplace<T>(x);
  }
}

void Clear(Value& value) {
  if (value.index() != 0) value.emplace<std::monostate>();
}

// The value's text buffer, emptied; a value that already holds a text keeps its capacity.
std::string& TextSlot(Value& value) {
  if (auto* text = std::get_if<std::string>(&value)) {
    text->clear();
    return *text;
  }
  return value.emplace<std::string>();
}

}  // namespace

std::string DataFileName(const std::string& current_file) {
  const auto first = current_file.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = current_file.find_last_not_of(' ');
  return CompanionFileName(current_file.substr(first, last - first + 1), ".txt");
}

void CountListItems(Document& document) {
  const int fields = std::clamp<int>(document.FieldCount, 0, kMaxFields);
  const int entries = std::clamp<int>(document.ListEntryCount, 0, kMaxListEntries);
  std::array<std::int16_t, kMaxFields + 1> counts{};
  for (int k = 1; k <= entries; ++k) {
    const int owner = document.ListEntries[k].FieldNo;
    if (owner >= 1 && owner <= fields) ++counts[owner];
  }
  for (int i = 1; i <= fields; ++i) document.Fields[i].ItemCount = counts[i];
}

GenerationRun::GenerationRun(Document& document, Engine& engine)
    : document_(document),
      engine_(engine),
      field_count_(std::clamp<int>(document.FieldCount, 0, kMaxFields)),
      formatter_(engine.Conventions) {
  for (int i = 1; i <= field_count_; ++i) {
    const FieldDef& field = document.Fields[i];
    PreparedField& prepared = prepared_[i - 1];
    prepared.type = DataTypeOf(field.Type);
    if (prepared.type == DataType::RandomDate) {
      const double year = RoundHalfEven(LeadingNumber(field.StartString));
      prepared.start_year_fits = year >= -32768.0 && year <= 32767.0;
      if (prepared.start_year_fits) prepared.start_year = static_cast<std::int16_t>(year);
    } else if (prepared.type == DataType::RandomTime) {
      prepared.time_start = ReadTimeStart(field.StartString, engine.Conventions);
    }
  }
}

void GenerationRun::OpenDataFile() {
  writer_.Create(DataFileName(document_.CurrentFile));
  std::string& out = writer_.Buffer();
  for (int i = 1; i <= field_count_; ++i) {
    if (i > 1) out.push_back(',');
    out.append(document_.Fields[i].FieldName);
  }
  out.append("\r\n");
  writer_.LineDone();
}

void GenerationRun::WriteDataLine(std::int32_t line) {
  std::string& out = writer_.Buffer();
  for (int i = 1; i <= field_count_; ++i) {
    GenerateValue(line, static_cast<std::int16_t>(i));
    const Value& value = document_.Fields[i].CurrentValue;
    if (i == field_count_) {
      formatter_.AppendLastColumn(value, out);
    } else {
      if (const auto* text = std::get_if<std::string>(&value)) {
        out.append(*text);
      } else {
        formatter_.AppendText(value, out);
      }
      out.push_back(',');
    }
  }
  out.append("\r\n");
  writer_.LineDone();
}

void GenerationRun::GenerateValue(std::int32_t line, std::int16_t field_no) {
  FieldDef& field = document_.Fields[field_no];
  const PreparedField& prepared = prepared_[field_no - 1];
  Value& value = field.CurrentValue;
  RandomSource& random = engine_.Random;
  const std::string_view start = field.StartString;
  switch (prepared.type) {
    case DataType::None:
      Clear(value);
      break;
    case DataType::CountingNumbers:
      Store<std::int32_t>(value, line);
      break;
    case DataType::RandomText:
      RandomText(random, start, field.Size, TextSlot(value));
      break;
    case DataType::RandomInteger:
      Store<std::int32_t>(value, RandomInteger(random, field.Size));
      break;
    case DataType::RandomDouble:
      Store<double>(value, RandomDouble(random, field.Size));
      break;
    case DataType::RandomCurrency:
      RandomCurrency(random, formatter_, start, field.Size, TextSlot(value));
      break;
    case DataType::RandomDate:
      GenerateDate(field, prepared, value);
      break;
    case DataType::RandomTime:
      if (!RandomTime(random, formatter_, prepared.time_start, field.Size, TextSlot(value))) {
        Clear(value);
      }
      break;
    case DataType::FromFile:
      if (!FromFileItem(random, engine_.LastListPick, document_, field_no, field.ItemCount, start,
                        field.LinksTo, TextSlot(value))) {
        Clear(value);
      }
      break;
    case DataType::Street:
      RandomStreet(random, field.Size, TextSlot(value));
      break;
    case DataType::Phone:
      RandomPhone(random, start, field.Size, TextSlot(value));
      break;
    case DataType::Email:
      RandomEmail(random, start, field.Size, TextSlot(value));
      break;
    case DataType::WebURL:
      RandomWebURL(random, start, field.Size, TextSlot(value));
      break;
  }
}

// A date that cannot be based (start year beyond 16 bits, a link outside 1..50, a linked
// value that is no date) is empty and makes no draw. A link to this field or a later one
// reads the value that slot still holds from the previous line.
void GenerationRun::GenerateDate(const FieldDef& field, const PreparedField& prepared, Value& value) {
  if (!prepared.start_year_fits) {
    Clear(value);
    return;
  }
  DateSerial base;
  if (field.LinksTo != 0) {
    const std::optional<DateSerial> linked =
        NumberedTable<FieldDef, kMaxFields>::Holds(field.LinksTo)
            ? AsDate(document_.Fields[field.LinksTo].CurrentValue, engine_.Conventions)
            : std::nullopt;
    if (!linked) {
      Clear(value);
      return;
    }
    base = *linked;
  }
  Store<DateSerial>(value, RandomDate(engine_.Random, engine_.Conventions, prepared.start_year,
                                      field.Size, field.LinksTo, base));
}

Outcome GenerationRun::CloseDataFile() { return writer_.Close(); }

}  // namespace zelvane
