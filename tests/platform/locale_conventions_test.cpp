#include "platform/locale_conventions.h"

#include <gtest/gtest.h>
#include <langinfo.h>
#include <locale.h>

#include <string>

#include "platform/date_serial.h"
#include "platform/value_text.h"

namespace zelvane {
namespace {

TEST(LocaleConventions, PosixLocaleTextsBecomePatterns) {
  struct Case { const char *radix, *d_fmt, *t_fmt, *t_fmt_ampm, *am, *decimal, *date, *time, *separator, *am_out; };
  const Case cases[] = {
      {".", "%m/%d/%Y", "%r", "%I:%M:%S %p", "AM", ".", "MM/dd/yyyy", "hh:mm:ss tt", ":", "AM"},
      {",", "%d.%m.%Y", "%T", "", "", ",", "dd.MM.yyyy", "HH:mm:ss", ":", "AM"},
      {",", "%-d.%-m.%Y", "%H.%M.%S", "", "", ",", "d.M.yyyy", "HH.mm.ss", ".", "AM"},
      {".", "%F", "%l:%M %P", "", "vorm.", ".", "yyyy-MM-dd", "h:mm tt", ":", "vorm."},
      {".", "%e/%m/%y", "%Ek:%OM", "", "", ".", "d/MM/yyyy", "H:mm", ":", "AM"},
      {".", "%D", "%T", "", "", ".", "MM/dd/yyyy", "HH:mm:ss", ":", "AM"},
      {".", "%Y y %m'%d", "%H:%M:%S", "", "", ".", "yyyy 'y' MM''dd", "HH:mm:ss", ":", "AM"},
      // What the patterns cannot express keeps the fallback's.
      {"", "%a %d %b %Y", "%H:%M:%S %Z", "", "", ".", "M/d/yyyy", "h:mm:ss tt", ":", "AM"},
      {"", "%d.%m.%", "%r", "%r", "", ".", "M/d/yyyy", "h:mm:ss tt", ":", "AM"},
  };
  for (const Case& c : cases) {
    const auto conventions = LocaleConventions::FromPosix(c.radix, c.d_fmt, c.t_fmt, c.t_fmt_ampm, c.am, "");
    EXPECT_EQ(conventions.decimal_separator, c.decimal) << c.d_fmt;
    EXPECT_EQ(conventions.short_date_pattern, c.date) << c.d_fmt;
    EXPECT_EQ(conventions.long_time_pattern, c.time) << c.t_fmt;
    EXPECT_EQ(conventions.time_separator, c.separator) << c.t_fmt;
    EXPECT_EQ(conventions.am_designator, c.am_out) << c.am;
  }
}

// A two-digit year of the system's short date form is widened to four digits, keeping
// the locale's order and separators: dates span the years 100 to 9999. The set-up script
// makes the locales where the system lacks them.
TEST(LocaleConventions, ShortDatesOfRealLocalesKeepTheirCentury) {
  const std::pair<const char*, const char*> cases[] = {
      {"en_GB.UTF-8", "31/12/1999 31/12/1899 31/12/1999 31/12/2099 31/12/9999 "},
      {"en_US.UTF-8", "12/31/1999 12/31/1899 12/31/1999 12/31/2099 12/31/9999 "},
      {"de_DE.UTF-8", "31.12.1999 31.12.1899 31.12.1999 31.12.2099 31.12.9999 "},
      {"C", "12/31/1999 12/31/1899 12/31/1999 12/31/2099 12/31/9999 "},  // its own %y as well
  };
  for (const auto& [name, expected] : cases) {
    const locale_t named = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr));
    if (named == static_cast<locale_t>(nullptr)) GTEST_SKIP() << name << " is missing: scripts/setup.sh makes it";
    const auto text = [named](nl_item item) { return nl_langinfo_l(item, named); };
    const auto conventions = LocaleConventions::FromPosix(text(RADIXCHAR), text(D_FMT), text(T_FMT),
                                                          text(T_FMT_AMPM), text(AM_STR), text(PM_STR));
    freelocale(named);
    std::string dates;
    for (const int year : {99, 1899, 1999, 2099, 9999}) {
      ValueFormatter(conventions).AppendDate(*MakeDate(year, 12, 31, conventions), dates);
      dates += ' ';
    }
    EXPECT_EQ(dates, expected) << name;
  }
}

}  // namespace
}  // namespace zelvane
