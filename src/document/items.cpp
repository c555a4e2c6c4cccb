#include "document/items.h"

#include <charconv>
#include <utility>

#include "document/descriptions.h"

namespace zelvane {
namespace {

namespace d = descriptions;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

void AppendQuotedText(std::string& out, std::string_view text) {
  out.push_back('"');
  for (const char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

void AppendNumber(std::string& out, std::int64_t number) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, number);
  out.append(digits, result.ptr);
}

void ItemReader::SkipBlanks() {
  while (!AtEnd() && IsBlank(bytes_[pos_])) ++pos_;
}

Outcome ItemReader::EndItem() {
  SkipBlanks();
  if (AtEnd()) {
    ended_line_ = true;
    return Outcome::Success();
  }
  const char c = bytes_[pos_];
  if (c == ',') {
    ++pos_;
    ended_line_ = false;
    return Outcome::Success();
  }
  if (IsLineEnd(c)) {
    ++pos_;
    if (c == '\r' && !AtEnd() && bytes_[pos_] == '\n') ++pos_;
    ended_line_ = true;
    return Outcome::Success();
  }
  return Outcome::Failure(d::kTextAfterQuote);
}

std::string_view ItemReader::BareItem() {
  const std::size_t start = pos_;
  while (!AtEnd() && bytes_[pos_] != ',' && !IsLineEnd(bytes_[pos_])) ++pos_;
  std::size_t end = pos_;
  while (end > start && IsBlank(bytes_[end - 1])) --end;
  return bytes_.substr(start, end - start);
}

Outcome ItemReader::ReadText(std::string& text) {
  SkipBlanks();
  if (AtEnd()) return Outcome::Failure(d::kInputPastEnd);
  if (bytes_[pos_] != '"') {
    text = BareItem();
    return EndItem();
  }
  ++pos_;
  std::string value;
  for (;;) {
    const std::size_t quote = bytes_.find('"', pos_);
    if (quote == std::string_view::npos) {
      pos_ = bytes_.size();
      return Outcome::Failure(d::kClosingQuoteMissing);
    }
    value.append(bytes_.substr(pos_, quote - pos_));
    pos_ = quote + 1;
    if (AtEnd() || bytes_[pos_] != '"') break;
    value.push_back('"');
    ++pos_;
  }
  text = std::move(value);
  return EndItem();
}

Outcome ItemReader::ReadNumber(std::int64_t min, std::int64_t max, std::int64_t& number) {
  SkipBlanks();
  if (AtEnd()) return Outcome::Failure(d::kInputPastEnd);
  const std::string_view item = BareItem();
  if (item.empty()) {
    // Nothing but blank lines left (an empty line after the last record): the reader
    // has run out of input rather than met an empty item.
    const bool only_line_ends = bytes_.find_first_not_of(" \t\r\n", pos_) == std::string_view::npos;
    return Outcome::Failure(only_line_ends ? d::kInputPastEnd : d::kNumberMissing);
  }

  std::size_t i = 0;
  const bool negative = item[0] == '-';
  if (item[0] == '-' || item[0] == '+') ++i;
  if (i == item.size()) return Outcome::Failure(d::kNotWholeNumber);
  // The magnitude saturates above every member's range; the digits are still checked.
  constexpr std::int64_t kCeiling = std::int64_t{1} << 40;
  std::int64_t magnitude = 0;
  for (; i < item.size(); ++i) {
    const char c = item[i];
    if (c < '0' || c > '9') return Outcome::Failure(d::kNotWholeNumber);
    if (magnitude < kCeiling) magnitude = magnitude * 10 + (c - '0');
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < min || value > max) return Outcome::Failure(d::kNumberTooLarge);
  number = value;
  return EndItem();
}

Outcome ItemReader::ReadLine(std::string& line) {
  if (AtEnd()) return Outcome::Failure(d::kInputPastEnd);
  const std::size_t start = pos_;
  while (!AtEnd() && !IsLineEnd(bytes_[pos_])) ++pos_;
  line = bytes_.substr(start, pos_ - start);
  if (!AtEnd()) {
    const char c = bytes_[pos_++];
    if (c == '\r' && !AtEnd() && bytes_[pos_] == '\n') ++pos_;
  }
  ended_line_ = true;
  return Outcome::Success();
}

}  // namespace zelvane
