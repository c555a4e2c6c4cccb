#include "platform/locale_conventions.h"

#include <langinfo.h>
#include <locale.h>

#include <locale>
#include <optional>
#include <stdexcept>

#include "platform/date_pattern.h"

namespace zelvane {
namespace {

bool IsPatternLetter(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't';
}

void AppendLiteral(std::string& out, char c) {
  if (c == '\'') {
    out += "''";
  } else if (IsPatternLetter(c)) {
    out += '\'';
    out += c;
    out += '\'';
  } else {
    out += c;
  }
}

// Translates a strftime format into our pattern letters; nothing for a conversion the
// patterns have no field for (month names, week days, time zones, ...). A two-digit year
// becomes four digits: dates span the years 100 to 9999, and "99" would read as 1999
// whatever century it came from.
std::optional<std::string> PatternFromStrftime(std::string_view format, std::string_view ampm_format,
                                               int depth = 0) {
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c != '%') {
      AppendLiteral(out, c);
      continue;
    }
    bool unpadded = false;
    ++i;
    while (i < format.size() && (format[i] == '-' || format[i] == '_' || format[i] == '0' ||
                                 format[i] == '^' || format[i] == '#' || format[i] == 'E' ||
                                 format[i] == 'O')) {
      unpadded |= format[i] == '-';
      ++i;
    }
    if (i >= format.size()) return std::nullopt;
    switch (format[i]) {
      case 'd': out += unpadded ? "d" : "dd"; break;
      case 'e': out += "d"; break;
      case 'm': out += unpadded ? "M" : "MM"; break;
      case 'Y': out += "yyyy"; break;
      case 'y': out += "yyyy"; break;
      case 'F': out += "yyyy-MM-dd"; break;
      case 'D': out += "MM/dd/yyyy"; break;
      case 'H': out += unpadded ? "H" : "HH"; break;
      case 'k': out += "H"; break;
      case 'I': out += unpadded ? "h" : "hh"; break;
      case 'l': out += "h"; break;
      case 'M': out += unpadded ? "m" : "mm"; break;
      case 'S': out += unpadded ? "s" : "ss"; break;
      case 'p':
      case 'P': out += "tt"; break;
      case 'T': out += "HH:mm:ss"; break;
      case 'R': out += "HH:mm"; break;
      case 'r': {
        if (depth > 0 || ampm_format.empty()) return std::nullopt;
        const auto inner = PatternFromStrftime(ampm_format, {}, depth + 1);
        if (!inner) return std::nullopt;
        out += *inner;
        break;
      }
      case '%': out += '%'; break;
      default: return std::nullopt;
    }
  }
  if (out.empty()) return std::nullopt;
  return out;
}

// The literal after the hour in a time pattern, or ":" when there is none.
std::string TimeSeparatorOf(const std::string& long_time_pattern) {
  const auto parts = ParsePattern(long_time_pattern);
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    const PatternField f = parts[i].field;
    if (f == PatternField::Hour12 || f == PatternField::Hour12Pad || f == PatternField::Hour24 ||
        f == PatternField::Hour24Pad) {
      if (parts[i + 1].field == PatternField::Literal) return parts[i + 1].literal;
      break;
    }
  }
  return ":";
}

// The locale name of one category in a name such as "LC_CTYPE=de_DE.UTF-8;LC_NUMERIC=C;...".
std::string CategoryName(const std::string& name, const std::string& category) {
  if (name.find('=') == std::string::npos) return name;
  const std::string key = category + "=";
  std::size_t at = name.find(key);
  if (at == std::string::npos) return "C";
  at += key.size();
  return name.substr(at, name.find(';', at) - at);
}

bool IsCLocaleName(const std::string& name) {
  return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

LocaleConventions ReadSystemConventions() {
  std::string name;
  try {
    name = std::locale("").name();
  } catch (const std::runtime_error&) {
    return LocaleConventions::Fallback();
  }
  const bool numeric_named = !IsCLocaleName(CategoryName(name, "LC_NUMERIC"));
  const bool time_named = !IsCLocaleName(CategoryName(name, "LC_TIME"));
  if (!numeric_named && !time_named) return LocaleConventions::Fallback();

  locale_t system = newlocale(LC_NUMERIC_MASK | LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
  if (system == static_cast<locale_t>(nullptr)) return LocaleConventions::Fallback();
  auto text = [system](nl_item item, bool named) -> std::string {
    if (!named) return {};
    const char* value = nl_langinfo_l(item, system);
    return value ? value : "";
  };
  LocaleConventions conventions = LocaleConventions::FromPosix(
      text(RADIXCHAR, numeric_named), text(D_FMT, time_named), text(T_FMT, time_named),
      text(T_FMT_AMPM, time_named), text(AM_STR, time_named), text(PM_STR, time_named));
  freelocale(system);
  return conventions;
}

}  // namespace

LocaleConventions LocaleConventions::Fallback() { return LocaleConventions{}; }

const LocaleConventions& LocaleConventions::System() {
  static const LocaleConventions conventions = ReadSystemConventions();
  return conventions;
}

LocaleConventions LocaleConventions::FromPosix(std::string_view radix, std::string_view date_format,
                                               std::string_view time_format,
                                               std::string_view time_format_ampm, std::string_view am,
                                               std::string_view pm) {
  LocaleConventions conventions = Fallback();
  if (!radix.empty()) conventions.decimal_separator = radix;
  if (auto pattern = PatternFromStrftime(date_format, time_format_ampm)) {
    conventions.short_date_pattern = *pattern;
  }
  if (auto pattern = PatternFromStrftime(time_format, time_format_ampm)) {
    conventions.long_time_pattern = *pattern;
  }
  if (!am.empty()) conventions.am_designator = am;
  if (!pm.empty()) conventions.pm_designator = pm;
  conventions.time_separator = TimeSeparatorOf(conventions.long_time_pattern);
  return conventions;
}

}  // namespace zelvane
