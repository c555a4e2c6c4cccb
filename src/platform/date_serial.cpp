#include "platform/date_serial.h"

#include <array>
#include <cmath>

#include "platform/date_pattern.h"
#include "platform/number_text.h"

namespace zelvane {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if (a % b != 0 && ((a < 0) != (b < 0))) --q;
  return q;
}

bool SerialInRange(double days) {
  return std::isfinite(days) && days > static_cast<double>(kFirstDateDay - 1) &&
         days < static_cast<double>(kLastDateDay + 1);
}

std::optional<DateSerial> FromDayAndFraction(std::int64_t day, double fraction) {
  if (day < kFirstDateDay || day > kLastDateDay) return std::nullopt;
  const double whole = static_cast<double>(day);
  return DateSerial{day >= 0 ? whole + fraction : whole - fraction};
}

std::optional<DateSerial> FromLinearMs(std::int64_t linear) {
  const std::int64_t day = FloorDiv(linear, kMsPerDay);
  const std::int64_t ms = linear - day * kMsPerDay;
  return FromDayAndFraction(day, static_cast<double>(ms) / static_cast<double>(kMsPerDay));
}

// The day and the second within it, to the nearest second; past the last day the last
// second of it.
void SplitLinearMs(std::int64_t linear, std::int64_t& day, std::int64_t& seconds) {
  seconds = FloorDiv(linear + 500, 1000);
  day = FloorDiv(seconds, 86400);
  seconds -= day * 86400;
  if (day > kLastDateDay) {
    day = kLastDateDay;
    seconds = 86399;
  }
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::optional<std::int64_t> DayNumber(int year, int month, int day) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
  static constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (day > kMonthDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0)) return std::nullopt;
  return DayOfDate(year, month, day);
}

int WindowYear(int year, const LocaleConventions& conventions) {
  if (year < 0 || year > 99) return year;
  const std::int64_t lowest = static_cast<std::int64_t>(conventions.two_digit_year_max) - 99;
  const std::int64_t windowed = lowest + (((year - lowest) % 100) + 100) % 100;
  return windowed < 0 || windowed > 9999 ? -1 : static_cast<int>(windowed);
}

// ---- reading dates and times ----

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return IsBlank(c) || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.empty() || text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  }
  return true;
}

enum class Designator { None, Am, Pm };

struct Token {
  enum Kind { Number, Separator, AmPm } kind;
  std::string_view text;
  int value = 0;  // Number: its value; AmPm: 1 for AM, 2 for PM
};

}  // namespace

// One text's tokens, read by its parser's conventions and date order.
class DateTimeParser::Reader {
 public:
  Reader(std::string_view text, const DateTimeParser& parser)
      : conventions_(parser.conventions_), parser_(parser) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    ok_ = Tokenize(text);
  }

  std::optional<DateSerial> Read() const {
    if (!ok_ || count_ == 0) return std::nullopt;
    if (auto date = ReadDateThenTime()) return date;
    std::int64_t seconds = 0;
    if (!ReadTime(0, seconds)) return std::nullopt;
    return FromDayAndFraction(0, static_cast<double>(seconds) / 86400.0);
  }

 private:
  static constexpr std::size_t kMaxTokens = 16;

  bool Tokenize(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
      if (count_ == kMaxTokens) return false;
      Token& token = tokens_[count_++];
      const std::size_t start = i;
      if (IsDigit(text[i])) {
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i - start > 4) return false;
        token = {Token::Number, text.substr(start, i - start), 0};
        for (char c : token.text) token.value = token.value * 10 + (c - '0');
        continue;
      }
      if (std::size_t length = 0; int which = MatchDesignator(text.substr(i), length)) {
        token = {Token::AmPm, text.substr(i, length), which};
        i += length;
        continue;
      }
      while (i < text.size() && !IsDigit(text[i])) {
        std::size_t length = 0;
        if (MatchDesignator(text.substr(i), length)) break;
        ++i;
      }
      token = {Token::Separator, text.substr(start, i - start), 0};
    }
    return true;
  }

  // 1 for AM, 2 for PM, 0 for neither; the conventions' texts and the English ones.
  int MatchDesignator(std::string_view text, std::size_t& length) const {
    const std::string_view candidates[] = {conventions_.am_designator, conventions_.pm_designator, "AM", "PM"};
    int best = 0;
    length = 0;
    for (int i = 0; i < 4; ++i) {
      if (candidates[i].size() > length && StartsWithIgnoringCase(text, candidates[i])) {
        length = candidates[i].size();
        best = i % 2 == 0 ? 1 : 2;
      }
    }
    return best;
  }

  bool IsSeparator(std::size_t i) const { return i < count_ && tokens_[i].kind == Token::Separator; }
  bool IsNumber(std::size_t i, std::size_t max_digits) const {
    return i < count_ && tokens_[i].kind == Token::Number && tokens_[i].text.size() <= max_digits;
  }

  bool IsBlankSeparator(std::size_t i) const {
    if (!IsSeparator(i)) return false;
    for (char c : tokens_[i].text) {
      if (!IsBlank(c)) return false;
    }
    return true;
  }

  bool IsTimeSeparator(std::size_t i) const {
    return IsSeparator(i) && (tokens_[i].text == ":" || tokens_[i].text == conventions_.time_separator);
  }

  bool IsDateSeparator(std::size_t i) const {
    if (!IsSeparator(i)) return false;
    std::string_view text = tokens_[i].text;
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return false;
    for (char c : text) {
      if (parser_.date_separators_.find(c) == std::string::npos) return false;
    }
    return true;
  }

  std::optional<DateSerial> ReadDateThenTime() const {
    if (!IsNumber(0, 4) || !IsDateSeparator(1) || !IsNumber(2, 4) || !IsDateSeparator(3) ||
        !IsNumber(4, 4)) {
      return std::nullopt;
    }
    // Three or four digits first: year, month, day whatever the conventions' order.
    std::array<DatePart, 3> parts = parser_.date_order_;
    if (tokens_[0].text.size() >= 3) parts = {DatePart::Year, DatePart::Month, DatePart::Day};
    int year = -1, month = 0, day = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      const Token& token = tokens_[2 * k];
      switch (parts[k]) {
        case DatePart::Day:
          if (token.text.size() > 2) return std::nullopt;
          day = token.value;
          break;
        case DatePart::Month:
          if (token.text.size() > 2) return std::nullopt;
          month = token.value;
          break;
        case DatePart::Year:
          // A year written with three or four digits is taken as written.
          if (token.text.size() >= 3 && token.value < 100) return std::nullopt;
          year = WindowYear(token.value, conventions_);
          break;
      }
    }
    const auto day_number = DayNumber(year, month, day);
    if (!day_number) return std::nullopt;
    std::int64_t seconds = 0;
    if (count_ > 5) {
      if (!IsBlankSeparator(5) || !ReadTime(6, seconds)) return std::nullopt;
    }
    return FromDayAndFraction(*day_number, static_cast<double>(seconds) / 86400.0);
  }

  // h[:mm[:ss]] with an optional AM/PM after it (an hour alone needs one), to the end.
  bool ReadTime(std::size_t i, std::int64_t& seconds) const {
    int fields[3] = {0, 0, 0};
    int count = 0;
    if (!IsNumber(i, 2)) return false;
    fields[count++] = tokens_[i++].value;
    while (count < 3 && IsTimeSeparator(i) && IsNumber(i + 1, 2)) {
      fields[count++] = tokens_[i + 1].value;
      i += 2;
    }
    Designator designator = Designator::None;
    if (IsBlankSeparator(i) && i + 1 < count_ && tokens_[i + 1].kind == Token::AmPm) ++i;
    if (i < count_ && tokens_[i].kind == Token::AmPm) {
      designator = tokens_[i].value == 1 ? Designator::Am : Designator::Pm;
      ++i;
    }
    if (i != count_ || (count == 1 && designator == Designator::None)) return false;
    int hour = fields[0];
    const int minute = fields[1];
    const int second = fields[2];
    if (minute > 59 || second > 59) return false;
    if (designator == Designator::None) {
      if (hour > 23) return false;
    } else {
      if (hour > 12) return false;
      hour %= 12;
      if (designator == Designator::Pm) hour += 12;
    }
    seconds = hour * 3600 + minute * 60 + second;
    return true;
  }

  const LocaleConventions& conventions_;
  const DateTimeParser& parser_;
  std::array<Token, kMaxTokens> tokens_{};
  std::size_t count_ = 0;
  bool ok_ = false;
};

DateTimeParser::DateTimeParser(const LocaleConventions& conventions) : conventions_(conventions) {
  std::array<DatePart, 3> found{};
  std::size_t count = 0;
  bool seen[3] = {false, false, false};
  for (const PatternPart& part : ParsePattern(conventions.short_date_pattern)) {
    int which = -1;
    switch (part.field) {
      case PatternField::Day:
      case PatternField::Day2: which = 0; break;
      case PatternField::Month:
      case PatternField::Month2: which = 1; break;
      case PatternField::Year2:
      case PatternField::Year4: which = 2; break;
      case PatternField::Literal:
        for (char c : part.literal) {
          const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
          if (!IsSpace(c) && !IsDigit(c) && !letter && date_separators_.find(c) == std::string::npos) {
            date_separators_ += c;
          }
        }
        break;
      default: break;
    }
    if (which >= 0 && !seen[which]) {
      seen[which] = true;
      found[count++] = static_cast<DatePart>(which);
    }
  }
  if (count == 3) date_order_ = found;
}

std::optional<DateSerial> DateTimeParser::Read(std::string_view text) const { return Reader(text, *this).Read(); }

std::optional<std::int64_t> LinearMs(DateSerial date) {
  if (!SerialInRange(date.days)) return std::nullopt;
  const double whole = std::trunc(date.days);
  const double fraction = std::fabs(date.days - whole);
  return static_cast<std::int64_t>(whole) * kMsPerDay + static_cast<std::int64_t>(fraction * kMsPerDay + 0.5);
}

CivilDateTime CivilDay(std::int64_t day) {
  // Whole 400-year cycles, then years of the cycle, each beginning in March.
  const std::uint64_t from_cycle_start = static_cast<std::uint64_t>(day + kDayZeroFromCycleStart);
  const std::uint64_t cycle = from_cycle_start / 146097;
  const std::uint64_t day_of_cycle = from_cycle_start - cycle * 146097;
  const std::uint64_t year_of_cycle =
      (day_of_cycle - day_of_cycle / 1460 + day_of_cycle / 36524 - day_of_cycle / 146096) / 365;
  const std::uint64_t day_of_year = day_of_cycle - (365 * year_of_cycle + year_of_cycle / 4 - year_of_cycle / 100);
  const std::uint64_t month_from_march = (5 * day_of_year + 2) / 153;
  CivilDateTime civil;
  civil.day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  civil.month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  civil.year = static_cast<int>(year_of_cycle + cycle * 400) + (civil.month <= 2 ? 1 : 0);
  civil.hour = civil.minute = civil.second = 0;
  return civil;
}

ClockTime ClockTimeOfAnyDay(std::int64_t linear_ms) {
  std::int64_t day = 0, seconds = 0;
  SplitLinearMs(linear_ms, day, seconds);
  return ClockTimeOfSecond(static_cast<int>(seconds));
}

std::optional<CivilDateTime> BreakDown(DateSerial date) {
  const auto linear = LinearMs(date);
  if (!linear) return std::nullopt;
  std::int64_t day = 0, seconds = 0;
  SplitLinearMs(*linear, day, seconds);
  CivilDateTime civil = CivilDay(day);
  const ClockTime time = ClockTimeOfSecond(static_cast<int>(seconds));
  civil.hour = time.hour;
  civil.minute = time.minute;
  civil.second = time.second;
  return civil;
}

std::optional<DateSerial> DateFromSerial(double days) {
  if (!SerialInRange(days)) return std::nullopt;
  return DateSerial{days};
}

std::optional<DateSerial> MakeDate(int year, int month, int day, const LocaleConventions& conventions) {
  const auto day_number = DayNumber(WindowYear(year, conventions), month, day);
  if (!day_number) return std::nullopt;
  return DateSerial{static_cast<double>(*day_number)};
}

std::optional<DateSerial> AddDays(DateSerial date, double days) {
  if (!SerialInRange(date.days) || !std::isfinite(days)) return std::nullopt;
  // Generated day counts are whole already; only a fraction needs the rounding.
  const bool whole_already = std::fabs(days) <= 1e15 && days == static_cast<double>(static_cast<std::int64_t>(days));
  const double whole_days = whole_already ? days : RoundHalfEven(days);
  if (std::fabs(whole_days) > 1e8) return std::nullopt;
  const double whole = std::trunc(date.days);
  const double fraction = std::fabs(date.days - whole);
  return FromDayAndFraction(static_cast<std::int64_t>(whole) + static_cast<std::int64_t>(whole_days),
                            fraction);
}

std::optional<DateSerial> AddMinutes(DateSerial date, std::int64_t minutes) {
  const auto linear = LinearMs(date);
  if (!linear) return std::nullopt;
  const auto moment = AddMinutesLinear(*linear, minutes);
  if (!moment) return std::nullopt;
  return FromLinearMs(*moment);
}

std::int64_t MinutesBetween(DateSerial from, DateSerial to) {
  const auto start = LinearMs(from);
  const auto end = LinearMs(to);
  if (!start || !end) return 0;
  return FloorDiv(*end, kMsPerMinute) - FloorDiv(*start, kMsPerMinute);
}

std::optional<DateSerial> ReadDateTime(std::string_view text, const LocaleConventions& conventions) {
  return DateTimeParser(conventions).Read(text);
}

}  // namespace zelvane
