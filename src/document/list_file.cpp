#include "document/list_file.h"

#include <cstdint>

#include "document/descriptions.h"
#include "document/file_io.h"
#include "document/items.h"

namespace zelvane {
namespace {

constexpr std::string_view kFieldEnding = ".fld";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool HasCompanionFiles(const std::string& fld_path) {
  const std::string_view path = fld_path;
  return path.size() > kFieldEnding.size() &&
         EqualsIgnoringCase(path.substr(path.size() - kFieldEnding.size()), kFieldEnding);
}

std::string CompanionFileName(const std::string& fld_path, const std::string& extension) {
  if (!HasCompanionFiles(fld_path)) return {};
  return fld_path.substr(0, fld_path.size() - kFieldEnding.size()) + extension;
}

std::string FormatListFile(const Document& document) {
  std::string out;
  const int count = ListEntriesInUse(document);
  for (int k = 1; k <= count; ++k) {
    AppendNumber(out, document.ListEntries[k].FieldNo);
    out += ',';
    AppendQuotedText(out, document.ListEntries[k].Item);
    out += "\r\n";
  }
  return out;
}

Outcome ParseListFile(Document& document, std::string_view bytes) {
  document.ListEntryCount = 0;
  ItemReader reader(bytes);
  while (!reader.AtEnd()) {
    if (document.ListEntryCount == kMaxListEntries) {
      return Outcome::Failure(descriptions::kTooManyListEntries);
    }
    std::int64_t field_no = 0;
    std::string item;
    Outcome step = reader.ReadNumber(INT16_MIN, INT16_MAX, field_no);
    if (step) step = reader.ReadText(item);
    if (!step) return step;
    ListEntry& entry = document.ListEntries[document.ListEntryCount + 1];
    entry.FieldNo = static_cast<std::int16_t>(field_no);
    entry.Item = std::move(item);
    ++document.ListEntryCount;
  }
  return Outcome::Success();
}

Outcome LoadLists(Document& document) {
  document.ListEntryCount = 0;
  document.UnreadListFile.clear();
  document.ListFile = CompanionFileName(document.CurrentFile, ".lst");
  if (document.ListFile.empty()) return Outcome::Success();
  std::string bytes;
  Outcome outcome = ReadWholeFile(document.ListFile, bytes);
  // A document without lists has no list file.
  if (!outcome && outcome.description == descriptions::kFileNotFound) return Outcome::Success();
  if (outcome) outcome = ParseListFile(document, bytes);
  if (outcome) return outcome;
  document.UnreadListFile = document.ListFile;
  const int read = document.ListEntryCount;
  return Outcome::Failure(descriptions::kListFileNotWhole + outcome.description + ". " + std::to_string(read) +
                          (read == 1 ? " entry was" : " entries were") + descriptions::kListFileKept);
}

Outcome SaveLists(Document& document) {
  if (document.CurrentFile.empty()) return Outcome::Failure(descriptions::kNoFileName);
  document.ListFile = CompanionFileName(document.CurrentFile, ".lst");
  if (document.ListFile.empty()) {
    return document.ListEntryCount > 0 ? Outcome::Failure(descriptions::kListsNeedFldName) : Outcome::Success();
  }
  if (document.ListFile == document.UnreadListFile) return Outcome::Success();
  return ReplaceFileContents(document.ListFile, FormatListFile(document));
}

}  // namespace zelvane
