#pragma once
// The data file as the run writes it: one large buffer that the run formats its lines
// into, handed to the file in big writes. A file that could not be created, or whose
// write failed, takes no further bytes; the run goes on all the same and learns at the
// end, from Close, what went wrong first.

#include <cstddef>
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

  // Creates the file anew, replacing one of that name. An empty path creates nothing.
  void Create(const std::string& path);

  // The run appends its text here and calls LineDone after every line.
  std::string& Buffer() { return buffer_; }
  void LineDone() {
    if (buffer_.size() >= kBufferSize) Flush();
  }

  // Writes what is left and closes the file; the outcome names the first failure.
  Outcome Close();

 private:
  void Flush();
  void Fail(std::string description);

  int fd_ = -1;
  std::string path_;
  std::string buffer_;
  Outcome outcome_;
};

}  // namespace zelvane
