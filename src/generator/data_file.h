#pragma once
// The data file as the run writes it: one large buffer that the run formats its lines
// straight into, handed to the file in big writes. A file that could not be created, or
// whose write failed, takes no further bytes; the run goes on all the same and learns at
// the end, from Close, what went wrong first.

#include <cstddef>
#include <memory>
#include <string>

#include "platform/outcome.h"

namespace zelvane {

class DataFileWriter {
 public:
  static constexpr std::size_t kBufferSize = std::size_t{1} << 20;

  DataFileWriter();
  ~DataFileWriter();
  DataFileWriter(const DataFileWriter&) = delete;
  DataFileWriter& operator=(const DataFileWriter&) = delete;

  // Creates the file anew, replacing one of that name. An empty path creates nothing and
  // fails with the reason given.
  void Create(const std::string& path, const char* why_no_path);

  // Where the next text goes, and the room after it.
  char* End() { return buffer_.get() + used_; }
  std::size_t Room() const { return capacity_ - used_; }
  // Room for at least size bytes at End(): writes out the buffered text first when the
  // room is short, and grows the buffer for a size larger than it. Moves what End() gives.
  char* Reserve(std::size_t size);
  // The text written at End() up to end belongs to the file.
  void Advance(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }

  // Writes what is left and closes the file; the outcome names the first failure.
  Outcome Close();

 private:
  void Flush();
  void Fail(std::string description);

  int fd_ = -1;
  std::string path_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t used_ = 0;
  Outcome outcome_;
};

}  // namespace zelvane
