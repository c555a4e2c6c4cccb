#include "ui/platform/core_text.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/qt/ctype_locale.h"
#include "support/qt/qt_printers.h"

namespace zelvane::ui {
namespace {

QString Escaped(unsigned char byte) { return QChar(static_cast<char16_t>(0xDC00 + byte)); }
std::string Byte(int value) { return std::string(1, static_cast<char>(value)); }

// Every byte alone shows as the codeset's character (or the escape of an invalid byte) and
// goes back unchanged; so does all of them in one text, in both orders.
void ExpectEveryByteRoundTrips(const std::string& codeset, const std::vector<int>& invalid) {
  std::string all, reversed;
  for (int byte = 0; byte < 256; ++byte) {
    const bool escaped = std::find(invalid.begin(), invalid.end(), byte) != invalid.end();
    const QString shown = FromCore(Byte(byte));
    EXPECT_EQ(shown.size(), 1) << codeset << " byte " << byte;
    EXPECT_EQ(shown == Escaped(static_cast<unsigned char>(byte)), escaped) << codeset << " byte " << byte;
    EXPECT_EQ(ToCore(shown), Byte(byte)) << codeset << " byte " << byte;
    all += Byte(byte);
    reversed.insert(0, Byte(byte));
  }
  EXPECT_EQ(ToCore(FromCore(all)), all) << codeset;
  EXPECT_EQ(ToCore(FromCore(reversed)), reversed) << codeset;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> bytes;
  for (int byte = first; byte <= last; ++byte) bytes.push_back(byte);
  return bytes;
}

TEST(CoreText, EveryByteRoundTripsUnderUtf8AndEightBitLocales) {
  {
    ZELVANE_USE_CODESET(utf8, "UTF-8");
    ExpectEveryByteRoundTrips("UTF-8", Range(0x80, 0xFF));
    EXPECT_EQ(FromCore(Byte(0x41)), "A");
  }
  {
    ZELVANE_USE_CODESET(latin1, "ISO-8859-1");
    ExpectEveryByteRoundTrips("ISO-8859-1", {});
    EXPECT_EQ(FromCore("caf\xE9"), QString::fromUtf8("café"));
  }
  ZELVANE_USE_CODESET(greek, "ISO-8859-7");  // a code page with holes
  ExpectEveryByteRoundTrips("ISO-8859-7", {0xAE, 0xD2, 0xFF});
  EXPECT_EQ(FromCore("\xE1"), QString::fromUtf8("α"));
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
