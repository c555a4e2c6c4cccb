#include "platform/locale_conventions.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zelvane {
namespace {

TEST(LocaleConventions, PosixLocaleTextsBecomePatterns) {
  struct Case { const char *radix, *d_fmt, *t_fmt, *t_fmt_ampm, *am, *decimal, *date, *time, *separator, *am_out; };
  const Case cases[] = {
      {".", "%m/%d/%Y", "%r", "%I:%M:%S %p", "AM", ".", "MM/dd/yyyy", "hh:mm:ss tt", ":", "AM"},
      {",", "%d.%m.%Y", "%T", "", "", ",", "dd.MM.yyyy", "HH:mm:ss", ":", "AM"},
      {",", "%-d.%-m.%Y", "%H.%M.%S", "", "", ",", "d.M.yyyy", "HH.mm.ss", ".", "AM"},
      {".", "%F", "%l:%M %P", "", "vorm.", ".", "yyyy-MM-dd", "h:mm tt", ":", "vorm."},
      {".", "%e/%m/%y", "%Ek:%OM", "", "", ".", "d/MM/yy", "H:mm", ":", "AM"},
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

TEST(LocaleConventions, TheCLocaleGivesTheFallbackReadOnce) {
  // Pins the environment before the first (and only) read of this process.
  setenv("LC_ALL", "C", 1);
  const LocaleConventions& system = LocaleConventions::System();
  EXPECT_EQ(system, LocaleConventions::Fallback());
  EXPECT_EQ(&system, &LocaleConventions::System());
}

}  // namespace
}  // namespace zelvane
