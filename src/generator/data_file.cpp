#include "generator/data_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "document/descriptions.h"
#include "document/file_io.h"

namespace zelvane {

DataFileWriter::DataFileWriter()
    : buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)), capacity_(kBufferSize) {}

DataFileWriter::~DataFileWriter() {
  if (fd_ >= 0) ::close(fd_);
}

void DataFileWriter::Create(const std::string& path, const char* why_no_path) {
  path_ = path;
  if (path.empty()) {
    Fail(why_no_path);
    return;
  }
  fd_ = OpenNoWait(path, O_WRONLY | O_CREAT | O_TRUNC);
  if (fd_ < 0) {
    // With O_CREAT a missing name can only be a missing folder.
    const std::string why = errno == ENOENT ? descriptions::kPathNotFound : DescribeFileError(errno);
    Fail("The data file " + path + " could not be created: " + why);
  }
}

char* DataFileWriter::Reserve(std::size_t size) {
  if (Room() < size) {
    Flush();
    if (capacity_ < size) {
      buffer_ = std::make_unique_for_overwrite<char[]>(size);
      capacity_ = size;
    }
  }
  return End();
}

void DataFileWriter::Flush() {
  const char* data = buffer_.get();
  std::size_t left = used_;
  while (fd_ >= 0 && left > 0) {
    ssize_t written = ::write(fd_, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) {  // no progress and no error: never spin on it
      written = -1;
      errno = EIO;
    }
    if (written < 0) {
      Fail("Writing the data file " + path_ + " failed: " + DescribeFileError(errno));
      // Later bytes would only land after a gap; the file stays as far as it got.
      ::close(fd_);
      fd_ = -1;
      break;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  used_ = 0;
}

Outcome DataFileWriter::Close() {
  Flush();
  if (fd_ >= 0) {
    const int result = ::close(fd_);
    fd_ = -1;
    if (result != 0 && errno != EINTR) {
      Fail("Writing the data file " + path_ + " failed: " + DescribeFileError(errno));
    }
  }
  return std::exchange(outcome_, Outcome::Success());
}

void DataFileWriter::Fail(std::string description) {
  if (outcome_.ok) outcome_ = Outcome::Failure(std::move(description));
}

}  // namespace zelvane
