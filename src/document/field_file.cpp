#include "document/field_file.h"

#include <cstdint>
#include <vector>

#include "document/descriptions.h"
#include "document/file_io.h"
#include "document/items.h"

namespace zelvane {
namespace {

constexpr const char* kLineEnd = "\r\n";

struct SavedMembers {
  std::string FieldName;
  std::string Type;
  std::int32_t Size = 0;
  std::string StartString;
  std::int16_t LinksTo = 0;
};

Outcome ReadRecord(ItemReader& reader, SavedMembers& record) {
  std::int64_t size = 0;
  std::int64_t links_to = 0;
  Outcome step = reader.ReadText(record.FieldName);
  if (step) step = reader.ReadText(record.Type);
  if (step) step = reader.ReadNumber(INT32_MIN, INT32_MAX, size);
  if (step) step = reader.ReadText(record.StartString);
  if (step) step = reader.ReadNumber(INT16_MIN, INT16_MAX, links_to);
  record.Size = static_cast<std::int32_t>(size);
  record.LinksTo = static_cast<std::int16_t>(links_to);
  return step;
}

}  // namespace

std::string FormatFieldFile(const Document& document) {
  std::string out;
  AppendNumber(out, document.NoOfItems);
  out += kLineEnd;
  out += document.HeaderLine;
  out += kLineEnd;
  const int count = FieldsInUse(document);
  for (int i = 1; i <= count; ++i) {
    const FieldDef& field = document.Fields[i];
    AppendQuotedText(out, field.FieldName);
    out += ',';
    AppendQuotedText(out, field.Type);
    out += ',';
    AppendNumber(out, field.Size);
    out += ',';
    AppendQuotedText(out, field.StartString);
    out += ',';
    AppendNumber(out, field.LinksTo);
    out += kLineEnd;
  }
  return out;
}

Outcome ParseFieldFile(Document& document, std::string_view bytes) {
  ItemReader reader(bytes);
  std::int64_t no_of_items = 0;
  if (Outcome step = reader.ReadNumber(INT32_MIN, INT32_MAX, no_of_items); !step) return step;
  if (!reader.EndedLine()) return Outcome::Failure(descriptions::kLineOneTooLong);
  std::string header_line;
  if (Outcome step = reader.ReadLine(header_line); !step) return step;

  std::vector<SavedMembers> records;
  while (!reader.AtEnd()) {
    if (records.size() == std::size_t{kMaxFields}) return Outcome::Failure(descriptions::kTooManyFields);
    if (Outcome step = ReadRecord(reader, records.emplace_back()); !step) return step;
  }

  // Only a whole file reaches the document; slots above the count keep what they held.
  document.NoOfItems = static_cast<std::int32_t>(no_of_items);
  document.HeaderLine = std::move(header_line);
  for (std::size_t k = 0; k < records.size(); ++k) {
    FieldDef& field = document.Fields[static_cast<int>(k) + 1];
    field.FieldName = std::move(records[k].FieldName);
    field.Type = std::move(records[k].Type);
    field.Size = records[k].Size;
    field.StartString = std::move(records[k].StartString);
    field.LinksTo = records[k].LinksTo;
  }
  document.FieldCount = static_cast<std::int16_t>(records.size());
  document.CurrentRecord = 1;
  return Outcome::Success();
}

Outcome ReadFieldFile(Document& document, const std::string& path) {
  std::string bytes;
  if (Outcome read = ReadWholeFile(path, bytes); !read) return read;
  if (Outcome parsed = ParseFieldFile(document, bytes); !parsed) return parsed;
  document.CurrentFile = path;
  return Outcome::Success();
}

Outcome WriteFieldFile(const Document& document, const std::string& path) {
  return ReplaceFileContents(path, FormatFieldFile(document));
}

}  // namespace zelvane
