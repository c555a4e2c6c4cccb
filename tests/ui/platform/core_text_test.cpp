#include "ui/platform/core_text.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "support/qt/ctype_locale.h"
#include "support/qt/qt_printers.h"

namespace zelvane::ui {
namespace {

QString Escaped(unsigned char byte) { return QChar(static_cast<char16_t>(0xDC00 + byte)); }

// Each byte alone shows as one character, the escape exactly for the bytes the codeset
// lacks, and goes back unchanged; so do all of them in one text.
TEST(CoreText, EveryByteRoundTripsUnderUtf8AndEightBitLocales) {
  const std::pair<const char*, std::function<bool(int)>> cases[] = {
      {"UTF-8", [](int byte) { return byte >= 0x80; }},
      {"ISO-8859-1", [](int) { return false; }},
      {"ISO-8859-7", [](int byte) { return byte == 0xAE || byte == 0xD2 || byte == 0xFF; }}};  // with holes
  for (const auto& [codeset, lacks] : cases) {
    ZELVANE_USE_CODESET(locale, codeset);
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
      const std::string alone(1, static_cast<char>(byte));
      const QString shown = FromCore(alone);
      EXPECT_EQ(shown.size(), 1) << codeset << " byte " << byte;
      EXPECT_EQ(shown == Escaped(static_cast<unsigned char>(byte)), lacks(byte)) << codeset << " byte " << byte;
      EXPECT_EQ(ToCore(shown), alone) << codeset << " byte " << byte;
      all = alone + all;
    }
    EXPECT_EQ(ToCore(FromCore(all)), all) << codeset;
  }
}

// Bytes show as the text and the text goes back to them; a character the codeset cannot
// hold goes as '?', and only then does the text not come back.
TEST(CoreText, TextsShowAndGoBackInTheLocalesEncodingKeepingInvalidBytes) {
  const QString e9 = Escaped(0xE9);
  const struct {
    const char* codeset;
    std::string bytes;
    QString text;
  } cases[] = {
      {"UTF-8", "a\xC3\xA9" "b\xE9", QString::fromUtf8("aéb") + e9},
      {"UTF-8", "\xE2\x82" "A", Escaped(0xE2) + Escaped(0x82) + "A"},               // cut short before ASCII
      {"UTF-8", "\xC0\xAF", Escaped(0xC0) + Escaped(0xAF)},                         // overlong
      {"UTF-8", "\xED\xB3\xA9", Escaped(0xED) + Escaped(0xB3) + Escaped(0xA9)},     // an encoded surrogate
      {"UTF-8", "\xF4\x90\x80\x80", Escaped(0xF4) + Escaped(0x90) + Escaped(0x80) + Escaped(0x80)},  // past U+10FFFF
      {"UTF-8", "\xF0\x9F\x98\x80\xE9", QString::fromUtf8("\xF0\x9F\x98\x80") + e9},  // a pair, then an escape
      {"UTF-8", std::string("x\0y", 3), QString("x") + QChar(0) + "y"},
      {"UTF-8", "\xE2\x82\xAC", QString::fromUtf8("€")},
      {"UTF-8", "a?b", QString("a") + QChar(static_cast<char16_t>(0xD800)) + "b"},  // a lone half of a pair
      {"ISO-8859-1", "\xE9\xFF", QString::fromUtf8("éÿ")},
      {"ISO-8859-1", "??", QString::fromUtf8("€α")},
  };
  for (const auto& c : cases) {
    ZELVANE_USE_CODESET(locale, c.codeset);
    EXPECT_EQ(ToCore(c.text), c.bytes) << c.codeset << " " << c.bytes;
    EXPECT_EQ(FromCore(c.bytes) == c.text, c.bytes.find('?') == std::string::npos) << c.codeset << " " << c.bytes;
    EXPECT_EQ(ToCore(FromCore(c.bytes)), c.bytes) << c.codeset << " " << c.bytes;
  }
}

}  // namespace
}  // namespace zelvane::ui
