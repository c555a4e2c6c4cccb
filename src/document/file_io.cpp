#include "document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "document/descriptions.h"

namespace zelvane {
namespace {

namespace d = descriptions;

// Guards the path functions against endless sources such as /dev/zero.
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

WriteFunction& CurrentWrite() {
  static WriteFunction write = [](int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
  };
  return write;
}

class FileHandle {
 public:
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failing close can be reported.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

Outcome Failed(int error) { return Outcome::Failure(DescribeFileError(error)); }

Outcome WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = CurrentWrite()(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return Failed(errno);
    }
    if (written == 0) return Failed(ENOSPC);
    done += static_cast<std::size_t>(written);
  }
  return Outcome::Success();
}

Outcome WriteInPlace(const std::string& path, std::string_view bytes) {
  FileHandle file(OpenNoWait(path, O_WRONLY | O_TRUNC));
  if (file.get() < 0) return Failed(errno);
  if (Outcome written = WriteAll(file.get(), bytes); !written) return written;
  if (file.Close() != 0) return Failed(errno);
  return Outcome::Success();
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Creates a new file beside the target; its name starts with a dot so that it stays
// out of sight for the moment it exists.
int CreateTemporary(const std::string& folder, std::string& temporary) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder + "/.zelvane-" + std::to_string(::getpid()) + "-" +
                std::to_string(++counter) + ".tmp";
    const int fd = OpenNoWait(temporary, O_WRONLY | O_CREAT | O_EXCL);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

int OpenNoWait(const std::string& path, int flags) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd >= 0) {
    const int status = ::fcntl(fd, F_GETFL);
    if (status >= 0) ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK);
  }
  return fd;
}

WriteFunction ReplaceWriteFunction(WriteFunction write) {
  return std::exchange(CurrentWrite(), std::move(write));
}

std::string DescribeFileError(int error) {
  switch (error) {
    case ENOENT: return d::kFileNotFound;
    case ENOTDIR: return d::kPathNotFound;
    case EACCES:
    case EPERM: return d::kPermissionDenied;
    case EISDIR: return d::kFolderNotFile;
    case ENOSPC:
    case EDQUOT: return d::kDiskFull;
    case EROFS: return d::kReadOnlyDisk;
    case ENAMETOOLONG: return d::kNameTooLong;
    case EMFILE:
    case ENFILE: return d::kTooManyFilesOpen;
    case EBUSY:
    case ETXTBSY: return d::kFileInUse;
    case EIO: return d::kDeviceError;
    case EFBIG: return d::kFileTooLarge;
    default: return std::strerror(error);
  }
}

Outcome ReadWholeFile(const std::string& path, std::string& bytes) {
  if (path.empty()) return Outcome::Failure(d::kNoFileName);
  FileHandle file(OpenNoWait(path, O_RDONLY));
  if (file.get() < 0) {
    const int error = errno;
    struct stat folder {};
    if (error == ENOENT && ::stat(FolderOf(path).c_str(), &folder) != 0) {
      return Outcome::Failure(d::kPathNotFound);
    }
    return Failed(error);
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return Failed(errno);
  if (S_ISDIR(status.st_mode)) return Outcome::Failure(d::kFolderNotFile);

  std::string content;
  if (S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) <= kMaxFileBytes) {
    content.reserve(static_cast<std::size_t>(status.st_size));
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return Failed(errno);
    }
    if (got == 0) break;
    if (content.size() + static_cast<std::size_t>(got) > kMaxFileBytes) {
      return Outcome::Failure(d::kFileTooLarge);
    }
    content.append(buffer, static_cast<std::size_t>(got));
  }
  bytes = std::move(content);
  return Outcome::Success();
}

Outcome ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (path.empty()) return Outcome::Failure(d::kNoFileName);

  // Through a symbolic link the file it points to is replaced, not the link.
  std::string target = path;
  struct stat status {};
  if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
      target = resolved;
      std::free(resolved);
    }
  }

  const bool exists = ::stat(target.c_str(), &status) == 0;
  if (!exists && errno != ENOENT) return Failed(errno);
  if (exists) {
    if (S_ISDIR(status.st_mode)) return Outcome::Failure(d::kFolderNotFile);
    // A file without write bits is read-only for everyone, root included.
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      return Outcome::Failure(d::kPermissionDenied);
    }
    if (!S_ISREG(status.st_mode)) return WriteInPlace(target, bytes);
  }

  const std::string folder = FolderOf(target);
  std::string temporary;
  FileHandle file(CreateTemporary(folder, temporary));
  if (file.get() < 0) {
    return errno == ENOENT ? Outcome::Failure(d::kPathNotFound) : Failed(errno);
  }
  auto fail = [&](Outcome failure) {
    ::unlink(temporary.c_str());
    return failure;
  };
  if (exists) {
    // The new file keeps the old one's mode, and its owner where that is allowed.
    [[maybe_unused]] const int owner_kept = ::fchown(file.get(), status.st_uid, status.st_gid);
    if (::fchmod(file.get(), status.st_mode & 07777) != 0) return fail(Failed(errno));
  }
  if (Outcome written = WriteAll(file.get(), bytes); !written) return fail(written);
  if (::fsync(file.get()) != 0) return fail(Failed(errno));
  if (file.Close() != 0) return fail(Failed(errno));
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(Failed(errno));

  // Make the rename itself durable; the save has succeeded whatever this gives.
  FileHandle directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
  return Outcome::Success();
}

}  // namespace zelvane
