#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace zelvane {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks a text as LeadingNumber reads it, with the skipped characters left out.
class SkippingCursor {
 public:
  explicit SkippingCursor(std::string_view text) : text_(text) { SkipBlanks(); }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  std::size_t Position() const { return pos_; }
  void Advance() {
    ++pos_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsSkipped(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

double LeadingNumber(std::string_view text) {
  SkippingCursor cursor(text);
  const std::size_t start = cursor.Position();
  bool negative = false;
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    negative = cursor.Peek() == '-';
    cursor.Advance();
  }
  // The decimal order of magnitude decides overflow or underflow when the value does
  // not fit a double.
  std::int64_t significant_int_digits = 0;
  std::int64_t leading_fraction_zeros = 0;
  bool seen_nonzero = false;
  bool any_digit = false;
  while (IsDigit(cursor.Peek())) {
    any_digit = true;
    if (cursor.Peek() != '0' || seen_nonzero) {
      seen_nonzero = true;
      ++significant_int_digits;
    }
    cursor.Advance();
  }
  if (cursor.Peek() == '.') {
    cursor.Advance();
    while (IsDigit(cursor.Peek())) {
      any_digit = true;
      if (cursor.Peek() != '0') seen_nonzero = true;
      if (!seen_nonzero) ++leading_fraction_zeros;
      cursor.Advance();
    }
  }
  if (!any_digit) return 0.0;
  std::size_t end = cursor.Position();
  std::int64_t exponent = 0;
  if (cursor.Peek() == 'e' || cursor.Peek() == 'E') {
    SkippingCursor probe = cursor;
    probe.Advance();
    bool exponent_negative = false;
    if (probe.Peek() == '+' || probe.Peek() == '-') {
      exponent_negative = probe.Peek() == '-';
      probe.Advance();
    }
    if (IsDigit(probe.Peek())) {
      while (IsDigit(probe.Peek())) {
        if (exponent < 1'000'000) exponent = exponent * 10 + (probe.Peek() - '0');
        probe.Advance();
      }
      if (exponent_negative) exponent = -exponent;
      cursor = probe;
      end = cursor.Position();
    }
  }
  if (!seen_nonzero) return 0.0;

  // The number's characters without the skipped ones; no copy when none stand inside.
  std::string_view digits = text.substr(start, end - start);
  std::string compact;
  for (char c : digits) {
    if (IsSkipped(c)) {
      compact.reserve(digits.size());
      for (char d : digits) {
        if (!IsSkipped(d)) compact += d;
      }
      digits = compact;
      break;
    }
  }
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);

  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    const std::int64_t magnitude =
        (significant_int_digits > 0 ? significant_int_digits : -leading_fraction_zeros) + exponent;
    value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double lower = std::floor(value);
  const double difference = value - lower;
  if (difference < 0.5) return lower;
  if (difference > 0.5) return lower + 1.0;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

namespace {

// Exact decimal reading of a whole box text: sign, digits and the conventions' decimal
// separator, blanks around; halves go to the even neighbour. No binary rounding, so
// 2.5000000000000001 rounds up.
std::optional<std::int64_t> BoxTextToWhole(std::string_view text, const LocaleConventions& conventions,
                                           std::int64_t lowest, std::int64_t highest) {
  auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  const std::string_view separator =
      conventions.decimal_separator.empty() ? std::string_view(".") : std::string_view(conventions.decimal_separator);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::int64_t limit = negative ? -lowest : highest;
  std::int64_t magnitude = 0;
  bool too_large = false;
  bool any_digit = false;
  std::size_t i = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    any_digit = true;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit + 1) {
      too_large = true;
      magnitude = limit + 1;
    }
  }
  int first_decimal = -1;        // the first digit after the separator
  bool later_nonzero = false;    // any non-zero digit after that one
  if (text.substr(i).starts_with(separator)) {
    i += separator.size();
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      any_digit = true;
      if (first_decimal < 0) {
        first_decimal = text[i] - '0';
      } else if (text[i] != '0') {
        later_nonzero = true;
      }
    }
  }
  if (!any_digit || i != text.size() || too_large) return std::nullopt;
  if (first_decimal > 5 || (first_decimal == 5 && (later_nonzero || magnitude % 2 == 1))) ++magnitude;
  if (magnitude > limit) return std::nullopt;
  return negative ? -magnitude : magnitude;
}

}  // namespace

std::optional<std::int32_t> TextToInt32(std::string_view text, const LocaleConventions& conventions) {
  const auto whole = BoxTextToWhole(text, conventions, std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::int32_t>::max());
  if (!whole) return std::nullopt;
  return static_cast<std::int32_t>(*whole);
}

std::optional<std::int16_t> TextToInt16(std::string_view text, const LocaleConventions& conventions) {
  const auto whole = BoxTextToWhole(text, conventions, std::numeric_limits<std::int16_t>::min(),
                                    std::numeric_limits<std::int16_t>::max());
  if (!whole) return std::nullopt;
  return static_cast<std::int16_t>(*whole);
}

}  // namespace zelvane
