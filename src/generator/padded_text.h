#pragma once
// A text kept with zero bytes after it up to whole 16-byte blocks, so that it can be
// copied into the output block by block without a call.

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace zelvane {

// The writers of values may write up to this many bytes past the end they return, in
// whole blocks, which whatever comes next overwrites: room for a value is its longest
// text plus this.
inline constexpr std::size_t kSpareRoom = 16;

class PaddedText {
 public:
  static constexpr std::size_t kBlock = 16;
  static_assert(kBlock <= kSpareRoom);

  PaddedText() = default;
  explicit PaddedText(std::string_view text)
      : blocks_(std::make_unique<char[]>(Blocks(text.size()))), size_(text.size()) {
    if (size_ != 0) std::memcpy(blocks_.get(), text.data(), size_);
  }
  PaddedText(const PaddedText& other) : PaddedText(other.view()) {}
  PaddedText& operator=(const PaddedText& other) {
    if (this != &other) *this = PaddedText(other.view());
    return *this;
  }
  PaddedText(PaddedText&&) noexcept = default;
  PaddedText& operator=(PaddedText&&) noexcept = default;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::string_view view() const { return {blocks_.get(), size_}; }

  char* CopyTo(char* out) const {
    for (std::size_t i = 0; i < size_; i += kBlock) std::memcpy(out + i, blocks_.get() + i, kBlock);
    return out + size_;
  }

 private:
  static std::size_t Blocks(std::size_t size) { return (size + kBlock - 1) / kBlock * kBlock; }

  std::unique_ptr<char[]> blocks_;
  std::size_t size_ = 0;
};

}  // namespace zelvane
