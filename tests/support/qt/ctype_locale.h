#pragma once
// Switches the character-type locale, and with it the encoding of the texts the windows
// hand to the core, for the life of the object. A locale of an 8-bit codeset is made
// with localedef in a temporary folder, as few systems have one generated.

#include <string>

namespace zelvane::testing {

class CtypeLocale {
 public:
  // codeset as localedef names its character maps: "UTF-8", "ISO-8859-1", "ISO-8859-7".
  explicit CtypeLocale(const std::string& codeset);
  ~CtypeLocale();
  CtypeLocale(const CtypeLocale&) = delete;
  CtypeLocale& operator=(const CtypeLocale&) = delete;

  // False when the locale could not be made; the test should then skip, saying why.
  bool active() const { return active_; }

 private:
  std::string former_;
  bool active_ = false;
};

}  // namespace zelvane::testing

// Skips the test when the locale of the codeset cannot be had.
#define ZELVANE_USE_CODESET(locale_var, codeset)                                              \
  ::zelvane::testing::CtypeLocale locale_var(codeset);                                        \
  if (!locale_var.active())                                                                   \
  GTEST_SKIP() << "no locale of codeset " << (codeset) << " (localedef needs the locales package)"
