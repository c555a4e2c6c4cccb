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
  const struct {
    const char* codeset;
    std::function<bool(int)> lacks;
    QString shown_e9;
  } cases[] = {{"UTF-8", [](int byte) { return byte >= 0x80; }, Escaped(0xE9)},
               {"ISO-8859-1", [](int) { return false; }, QString::fromUtf8("é")},
               {"ISO-8859-7", [](int byte) { return byte == 0xAE || byte == 0xD2 || byte == 0xFF; },
                QString::fromUtf8("ι")}};  // a code page with holes
  for (const auto& c : cases) {
    ZELVANE_USE_CODESET(locale, c.codeset);
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
      const std::string alone(1, static_cast<char>(byte));
      const QString shown = FromCore(alone);
      EXPECT_EQ(shown.size(), 1) << c.codeset << " byte " << byte;
      EXPECT_EQ(shown == Escaped(static_cast<unsigned char>(byte)), c.lacks(byte)) << c.codeset << " byte " << byte;
      EXPECT_EQ(ToCore(shown), alone) << c.codeset << " byte " << byte;
      all = alone + all;
    }
    EXPECT_EQ(ToCore(FromCore(all)), all) << c.codeset;
    EXPECT_EQ(FromCore("\xE9"), c.shown_e9) << c.codeset;
  }
}

TEST(CoreText, MixedValidAndInvalidUtf8KeepsEveryByte) {
  ZELVANE_USE_CODESET(utf8, "UTF-8");
  const QString e9 = Escaped(0xE9);
  const struct {
    std::string bytes;
    QString shown;
  } cases[] = {
      {"a\xC3\xA9" "b\xE9", QString::fromUtf8("aéb") + e9},
      {"\xC3", Escaped(0xC3)},                                             // cut short at the end
      {"\xE2\x82" "A", Escaped(0xE2) + Escaped(0x82) + "A"},               // cut short before ASCII
      {"\xC0\xAF", Escaped(0xC0) + Escaped(0xAF)},                         // overlong
      {"\xED\xB3\xA9", Escaped(0xED) + Escaped(0xB3) + Escaped(0xA9)},     // an encoded surrogate
      {"\xF4\x90\x80\x80", Escaped(0xF4) + Escaped(0x90) + Escaped(0x80) + Escaped(0x80)},  // past U+10FFFF
      {"\xF0\x9F\x98\x80\xE9", QString::fromUtf8("\xF0\x9F\x98\x80") + e9},  // a pair, then an escape
      {std::string("x\0y", 3), QString("x") + QChar(0) + "y"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FromCore(c.bytes), c.shown) << c.bytes;
    EXPECT_EQ(ToCore(FromCore(c.bytes)), c.bytes) << c.bytes;
  }
}

TEST(CoreText, TypedTextIsWrittenInTheLocalesEncoding) {
  const QChar lone_high(static_cast<char16_t>(0xD800));
  const struct {
    std::string codeset;
    QString typed;
    std::string bytes;
  } cases[] = {
      {"UTF-8", QString::fromUtf8("é€\xF0\x9F\x98\x80"), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
      {"UTF-8", QString("a") + lone_high + "b", "a?b"},
      {"ISO-8859-1", QString::fromUtf8("éÿ€α"), "\xE9\xFF??"},
      {"ISO-8859-7", QString::fromUtf8("αé"), "\xE1?"},
  };
  for (const auto& c : cases) {
    ZELVANE_USE_CODESET(locale, c.codeset);
    EXPECT_EQ(ToCore(c.typed), c.bytes) << c.codeset;
  }
}

}  // namespace
}  // namespace zelvane::ui
