#include "ui/platform/core_text.h"

#include <iconv.h>
#include <langinfo.h>

#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace zelvane::ui {

namespace {

constexpr char32_t kEscapeBase = 0xDC00;
constexpr char kUnrepresentable = '?';
// The longest character of the multibyte codesets a locale may use (GB18030, EUC-TW).
constexpr std::size_t kLongestCharacter = 4;
constexpr const char* kUnicode = std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";

bool IsScalar(char32_t code) { return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

// The strict decoder: no overlong forms, no surrogates, nothing past U+10FFFF. Returns
// the length of the character at the start of bytes, or 0 when none is valid there.
std::size_t DecodeUtf8(std::string_view bytes, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) < low || byte(i) > high) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  return length;
}

void EncodeUtf8(char32_t code, std::string& out) {
  const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xC0 | (code >> 6));
    put(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    put(0xE0 | (code >> 12));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  } else {
    put(0xF0 | (code >> 18));
    put(0x80 | ((code >> 12) & 0x3F));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  }
}

// Any other codeset goes through iconv, one character at a time: a character is taken
// only when it encodes back to exactly the bytes it came from, so that codesets which
// compose or have several forms of one character still round-trip.
class IconvCodec {
 public:
  explicit IconvCodec(std::string codeset)
      : codeset_(std::move(codeset)),
        decoder_(iconv_open(kUnicode, codeset_.c_str())),
        encoder_(iconv_open(codeset_.c_str(), kUnicode)) {
    if (!usable()) return;
    for (int byte = 0; byte < 256; ++byte) {
      const char single = static_cast<char>(byte);
      char32_t code = 0;
      if (TryDecode(std::string_view(&single, 1), code)) {
        single_bytes_[byte] = code;
        reverse_.emplace(code, single);
      }
    }
  }
  ~IconvCodec() {
    if (decoder_ != kNone) iconv_close(decoder_);
    if (encoder_ != kNone) iconv_close(encoder_);
  }
  IconvCodec(const IconvCodec&) = delete;
  IconvCodec& operator=(const IconvCodec&) = delete;

  bool usable() const { return decoder_ != kNone && encoder_ != kNone; }
  const std::string& codeset() const { return codeset_; }

  std::size_t Decode(std::string_view bytes, char32_t& code) {
    if (const auto& single = single_bytes_[static_cast<unsigned char>(bytes[0])]) {
      code = *single;
      return 1;
    }
    for (std::size_t length = 2; length <= kLongestCharacter && length <= bytes.size(); ++length) {
      if (TryDecode(bytes.substr(0, length), code)) return length;
    }
    return 0;
  }

  bool Encode(char32_t code, std::string& out) {
    if (const auto found = reverse_.find(code); found != reverse_.end()) {
      out += found->second;
      return true;
    }
    std::array<char, 16> buffer{};
    const std::size_t length = Convert(encoder_, {reinterpret_cast<const char*>(&code), sizeof code}, buffer);
    out.append(buffer.data(), length);
    return length > 0;
  }

 private:
  static inline const auto kNone = reinterpret_cast<iconv_t>(-1);

  // Converts the whole input from a fresh state; 0 when it is not one whole conversion.
  static std::size_t Convert(iconv_t converter, std::string_view input, std::array<char, 16>& output) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    char* out = output.data();
    std::size_t out_left = output.size();
    if (iconv(converter, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1) || in_left != 0) return 0;
    if (iconv(converter, nullptr, nullptr, &out, &out_left) == static_cast<std::size_t>(-1)) return 0;
    return output.size() - out_left;
  }

  bool TryDecode(std::string_view bytes, char32_t& code) {
    std::array<char, 16> decoded{};
    if (Convert(decoder_, bytes, decoded) != sizeof(char32_t)) return false;
    std::memcpy(&code, decoded.data(), sizeof code);
    if (!IsScalar(code)) return false;
    std::array<char, 16> encoded{};
    const std::size_t length = Convert(encoder_, {reinterpret_cast<const char*>(&code), sizeof code}, encoded);
    return std::string_view(encoded.data(), length) == bytes;
  }

  std::string codeset_;
  iconv_t decoder_;
  iconv_t encoder_;
  std::array<std::optional<char32_t>, 256> single_bytes_{};
  std::unordered_map<char32_t, char> reverse_;
};

// The codec of the codeset in use, made again when the locale names another one;
// nullptr for UTF-8.
IconvCodec* CurrentCodec() {
  thread_local std::unique_ptr<IconvCodec> codec;
  const std::string_view codeset = nl_langinfo(CODESET);
  if (codeset == "UTF-8" || codeset == "ANSI_X3.4-1968") return nullptr;
  if (!codec || codec->codeset() != codeset) codec = std::make_unique<IconvCodec>(std::string(codeset));
  return codec->usable() ? codec.get() : nullptr;
}

void Append(QString& text, char32_t code) {
  if (code > 0xFFFF) {
    text += QChar(QChar::highSurrogate(code));
    text += QChar(QChar::lowSurrogate(code));
  } else {
    text += QChar(static_cast<char16_t>(code));
  }
}

}  // namespace

QString FromCore(const std::string& text) {
  IconvCodec* codec = CurrentCodec();
  QString shown;
  shown.reserve(static_cast<qsizetype>(text.size()));
  std::string_view rest(text);
  while (!rest.empty()) {
    char32_t code = 0;
    std::size_t length = codec ? codec->Decode(rest, code) : DecodeUtf8(rest, code);
    if (length == 0) {
      code = kEscapeBase + static_cast<unsigned char>(rest[0]);
      length = 1;
    }
    Append(shown, code);
    rest.remove_prefix(length);
  }
  return shown;
}

std::string ToCore(const QString& text) {
  IconvCodec* codec = CurrentCodec();
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i].unicode();
    char32_t code = unit;
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(unit, text[++i].unicode());
    } else if (unit >= kEscapeBase && unit <= kEscapeBase + 0xFF) {
      bytes += static_cast<char>(unit - kEscapeBase);
      continue;
    } else if (QChar::isSurrogate(unit)) {
      bytes += kUnrepresentable;
      continue;
    }
    if (!codec) {
      EncodeUtf8(code, bytes);
    } else if (!codec->Encode(code, bytes)) {
      bytes += kUnrepresentable;
    }
  }
  return bytes;
}

}  // namespace zelvane::ui
