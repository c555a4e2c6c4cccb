#include "generator/generation_run.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

#include "document/descriptions.h"
#include "document/list_file.h"
#include "generator/text_generators.h"
#include "platform/date_serial.h"
#include "platform/number_text.h"

namespace zelvane {
namespace {

// The linked slot's value as a base date: empty is day 0, numbers count days, a text
// must read as a date or time.
std::optional<DateSerial> AsDate(const Value& value, const DateTimeParser& parser) {
  switch (KindOf(value)) {
    case ValueKind::Empty: return DateSerial{};
    case ValueKind::Whole: return DateFromSerial(std::get<std::int32_t>(value));
    case ValueKind::Real: return DateFromSerial(std::get<double>(value));
    case ValueKind::Date: return DateFromSerial(std::get<DateSerial>(value).days);
    case ValueKind::Text: return parser.Read(std::get<std::string>(value));
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

}  // namespace

std::string DataFileName(const std::string& current_file) {
  // Blanks are part of a name here: "orders.fld " trimmed would be another document's.
  return CompanionFileName(current_file, ".txt");
}

void CountListItems(Document& document) {
  const int fields = FieldsInUse(document);
  const int entries = ListEntriesInUse(document);
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
      field_count_(FieldsInUse(document)),
      formatter_(engine.Conventions),
      date_parser_(engine.Conventions),
      date_texts_(formatter_),
      prepared_(static_cast<std::size_t>(field_count_)) {
  // Each list field's items, in store order, one run of them per field.
  std::vector<std::pair<std::size_t, std::size_t>> lists(prepared_.size());
  const int entries = ListEntriesInUse(document);
  for (int i = 1; i <= field_count_; ++i) {
    if (DataTypeOf(document.Fields[i].Type) != DataType::FromFile) continue;
    lists[i - 1].first = list_items_.size();
    for (int k = 1; k <= entries; ++k) {
      if (document.ListEntries[k].FieldNo == i) list_items_.emplace_back(document.ListEntries[k].Item);
    }
    lists[i - 1].second = list_items_.size() - lists[i - 1].first;
  }

  line_length_ = 2 + kSpareRoom;  // CR LF, and the room past the last value
  for (int i = 1; i <= field_count_; ++i) {
    const FieldDef& definition = document.Fields[i];
    PreparedField& field = prepared_[i - 1];
    field.type = DataTypeOf(definition.Type);
    field.size = definition.Size;
    field.links_to = definition.LinksTo;
    field.item_count = definition.ItemCount;
    field.start = PaddedText(definition.StartString);
    field.list = std::span<const PaddedText>(list_items_).subspan(lists[i - 1].first, lists[i - 1].second);
    field.value = &document.Fields[i].CurrentValue;
    field.last = i == field_count_;
    if (field.type == DataType::RandomDate) {
      const double year = RoundHalfEven(LeadingNumber(definition.StartString));
      field.start_year_fits = year >= -32768.0 && year <= 32767.0;
      if (field.start_year_fits) field.start_year = static_cast<std::int16_t>(year);
    } else if (field.type == DataType::RandomTime) {
      field.time_start = ReadTimeStart(definition.StartString, engine.Conventions);
      field.time_steps = TimeSteps(field.time_start, field.size);
    }
    line_length_ += MaxLength(field) + 1;
  }
}

GenerationRun::~GenerationRun() { StorePendingTexts(); }

std::size_t GenerationRun::MaxLength(const PreparedField& field) const {
  switch (field.type) {
    case DataType::None: return 0;
    case DataType::CountingNumbers:
    case DataType::RandomInteger: return ValueFormatter::kMaxWholeLength + 2;
    case DataType::RandomDouble: return formatter_.MaxNumberLength() + 2;
    case DataType::RandomCurrency: return field.start.size() + formatter_.MaxNumberLength();
    case DataType::RandomDate: return formatter_.MaxDateLength();
    case DataType::RandomTime: return formatter_.MaxShortTimeLength();
    case DataType::FromFile: {
      std::size_t longest = 0;
      for (const PaddedText& item : field.list) longest = std::max(longest, item.size());
      return field.start.size() + longest;
    }
    default: return MaxTextValueLength(field.type, field.start.size(), field.size);
  }
}

void GenerationRun::OpenDataFile() {
  const bool untitled = document_.CurrentFile.find_first_not_of(' ') == std::string::npos;
  writer_.Create(DataFileName(document_.CurrentFile),
                 untitled ? descriptions::kNoFileName : descriptions::kDataFileNeedsFldName);
  std::size_t length = 2 + static_cast<std::size_t>(field_count_);
  for (int i = 1; i <= field_count_; ++i) length += document_.Fields[i].FieldName.size();
  char* out = writer_.Reserve(length);
  for (int i = 1; i <= field_count_; ++i) {
    if (i > 1) *out++ = ',';
    const std::string& name = document_.Fields[i].FieldName;
    std::memcpy(out, name.data(), name.size());
    out += name.size();
  }
  out[0] = '\r';
  out[1] = '\n';
  writer_.Advance(out + 2);
}

char* GenerationRun::GenerateValue(PreparedField& field, std::int32_t line, RandomSource& random, char* out) {
  Value& value = *field.value;
  char* const begin = out;
  switch (field.type) {
    case DataType::None:
      Clear(field);
      return out;
    case DataType::CountingNumbers:
      Store<std::int32_t>(value, line);
      return WriteNumber(line, field.last, out);
    case DataType::RandomText:
      return KeepText(field, begin, RandomText(random, field.start, field.size, out));
    case DataType::RandomInteger: {
      const std::int32_t whole = RandomInteger(random, field.size);
      Store<std::int32_t>(value, whole);
      return WriteNumber(whole, field.last, out);
    }
    case DataType::RandomDouble: {
      const std::int64_t hundredths = RandomHundredths(random, field.size);
      Store<double>(value, static_cast<double>(hundredths) / 100.0);
      if (field.last && hundredths >= 0) *out++ = ' ';
      out = formatter_.WriteHundredths(hundredths, out);
      if (field.last) *out++ = ' ';
      return out;
    }
    case DataType::RandomCurrency:
      return KeepText(field, begin, RandomCurrency(random, formatter_, field.start, field.size, out));
    case DataType::RandomDate:
      return GenerateDate(field, out);
    case DataType::RandomTime:
      if (char* end = RandomTime(random, formatter_, field.time_start, field.size, field.time_steps, out)) {
        return KeepText(field, begin, end);
      }
      Clear(field);
      return out;
    case DataType::FromFile:
      if (char* end = FromFileItem(random, engine_.LastListPick, field.list, field.item_count, field.start,
                                   field.links_to, out)) {
        return KeepText(field, begin, end);
      }
      Clear(field);
      return out;
    case DataType::Street:
      return KeepText(field, begin, RandomStreet(random, field.size, out));
    case DataType::Phone:
      return KeepText(field, begin, RandomPhone(random, field.start, field.size, out));
    case DataType::Email:
      return KeepText(field, begin, RandomEmail(random, field.start, field.size, out));
    case DataType::WebURL:
      return KeepText(field, begin, RandomWebURL(random, field.start, field.size, out));
  }
  return out;
}

void GenerationRun::WriteDataLine(std::int32_t line) {
  char* out = writer_.End();
  if (writer_.Room() < line_length_) {
    // The texts still only in the output go into their fields before it moves.
    StorePendingTexts();
    out = writer_.Reserve(line_length_);
  }
  // Held locally: a character written through out could otherwise be any member.
  RandomSource& random = engine_.Random;
  for (PreparedField *field = prepared_.data(), *end = field + prepared_.size(); field != end; ++field) {
    out = GenerateValue(*field, line, random, out);
    *out++ = ',';
  }
  if (!prepared_.empty()) --out;  // no comma after the last column
  out[0] = '\r';
  out[1] = '\n';
  writer_.Advance(out + 2);
}

// A date that cannot be based (start year beyond 16 bits, a link outside 1..50, a linked
// value that is no date) is empty and makes no draw. A link to this field or a later one
// reads the value that slot still holds from the previous line.
char* GenerationRun::GenerateDate(PreparedField& field, char* out) {
  if (!field.start_year_fits) {
    Clear(field);
    return out;
  }
  DateSerial base;
  if (field.links_to != 0) {
    std::optional<DateSerial> linked;
    if (NumberedTable<FieldDef, kMaxFields>::Holds(field.links_to)) {
      const bool in_use = field.links_to <= field_count_;
      const PreparedField* target = in_use ? &prepared_[static_cast<std::size_t>(field.links_to) - 1] : nullptr;
      linked = target != nullptr && target->pending != nullptr
                   ? date_parser_.Read(std::string_view(target->pending, target->pending_size))
                   : AsDate(document_.Fields[field.links_to].CurrentValue, date_parser_);
    }
    if (!linked) {
      Clear(field);
      return out;
    }
    base = *linked;
  }
  const DateSerial date =
      RandomDate(engine_.Random, engine_.Conventions, field.start_year, field.size, field.links_to, base);
  Store<DateSerial>(*field.value, date);
  return date_texts_.Write(date, out);
}

// The last column puts a blank before a number that is not negative and one after any.
char* GenerationRun::WriteNumber(std::int32_t value, bool last, char* out) const {
  if (last && value >= 0) *out++ = ' ';
  out = formatter_.WriteWhole(value, out);
  if (last) *out++ = ' ';
  return out;
}

char* GenerationRun::KeepText(PreparedField& field, const char* begin, char* end) {
  field.pending = begin;
  field.pending_size = static_cast<std::size_t>(end - begin);
  return end;
}

void GenerationRun::Clear(PreparedField& field) {
  field.pending = nullptr;
  if (field.value->index() != 0) field.value->emplace<std::monostate>();
}

void GenerationRun::StorePendingTexts() {
  for (PreparedField& field : prepared_) {
    if (field.pending == nullptr) continue;
    Value& value = *field.value;
    if (auto* text = std::get_if<std::string>(&value)) {
      text->assign(field.pending, field.pending_size);
    } else {
      value.emplace<std::string>(field.pending, field.pending_size);
    }
    field.pending = nullptr;
  }
}

Outcome GenerationRun::CloseDataFile() {
  StorePendingTexts();
  return writer_.Close();
}

}  // namespace zelvane
