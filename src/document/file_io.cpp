#include "document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <utility>

#include "document/descriptions.h"

namespace zelvane {
namespace {

namespace d = descriptions;

// The longest name a folder entry may have on the usual file systems.
constexpr std::size_t kMaxNameBytes = 255;

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

// Overwrites the target itself: for devices and pipes, and for a file the user may write
// in a folder the user may not. A regular file is flushed to disk before success.
Outcome WriteInPlace(const std::string& path, std::string_view bytes) {
  FileHandle file(OpenNoWait(path, O_WRONLY | O_TRUNC));
  if (file.get() < 0) return Failed(errno);
  if (Outcome written = WriteAll(file.get(), bytes); !written) return written;
  struct stat status {};
  if (::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) && ::fsync(file.get()) != 0) {
    return Failed(errno);
  }
  if (file.Close() != 0) return Failed(errno);
  return Outcome::Success();
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The one temporary name of a target, beside it and hidden, so that a save killed
// part-way leaves at most one leftover, which the next save of that target replaces.
std::string TemporaryNameFor(const std::string& folder, const std::string& target) {
  constexpr std::string_view kSuffix = ".zelvane-save";
  std::string name = target.substr(target.find_last_of('/') + 1);
  if (name.size() + 1 + kSuffix.size() > kMaxNameBytes) {
    // Too long to extend: a shortened name made unique again by a hash of the whole one.
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (const unsigned char c : name) hash = (hash ^ c) * 1099511628211u;
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    name = name.substr(0, 200) + "~" + digits;
  }
  return folder + "/." + name + std::string(kSuffix);
}

// Creates the target's temporary file anew, removing a leftover of an earlier save.
int CreateTemporary(const std::string& temporary) {
  ::unlink(temporary.c_str());
  return OpenNoWait(temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
}

// The effective user may write the file itself (not only replace it in its folder).
bool MayWrite(const std::string& path) { return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0; }

// A folder the user may not change still lets a file the user may write be written.
bool FolderRefused(int error) { return error == EACCES || error == EPERM; }

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
    case EEXIST:
    case ETXTBSY: return d::kFileInUse;
    case EIO: return d::kDeviceError;
    case EFBIG: return d::kFileTooLarge;
    case ENXIO: return d::kNoReader;
    case EPIPE: return d::kReaderGone;
    case ENODEV: return d::kNoSuchDevice;
    case ELOOP: return d::kTooManyLinks;
    case EAGAIN: return d::kTryAgain;
    case ENOMEM: return d::kOutOfMemory;
    case EINVAL:
    case EOPNOTSUPP: return d::kNotSupported;
    case ETIMEDOUT:
    case ESTALE: return d::kNotAnswering;
    default: return std::string(d::kUnexpectedError) + " (" + std::strerror(error) + ")";
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
  // A pipe or a device may never end or never answer.
  if (!S_ISREG(status.st_mode)) return Outcome::Failure(d::kNotPlainFile);

  std::string content;
  char buffer[1 << 16];
  try {
    content.reserve(static_cast<std::size_t>(status.st_size));
    for (;;) {
      const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
      if (got < 0) {
        if (errno == EINTR) continue;
        return Failed(errno);
      }
      if (got == 0) break;
      content.append(buffer, static_cast<std::size_t>(got));
    }
  } catch (const std::exception&) {  // a file larger than the memory left
    return Outcome::Failure(d::kOutOfMemory);
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
    // A file without write bits is read-only for everyone, root included; any other
    // file only for whom the system does not let write it.
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      return Outcome::Failure(d::kPermissionDenied);
    }
    if (!MayWrite(target)) return Failed(errno);
    if (!S_ISREG(status.st_mode)) return WriteInPlace(target, bytes);
  }

  const std::string folder = FolderOf(target);
  const std::string temporary = TemporaryNameFor(folder, target);
  FileHandle file(CreateTemporary(temporary));
  if (file.get() < 0) {
    if (exists && FolderRefused(errno)) return WriteInPlace(target, bytes);
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
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    // A folder with the sticky bit refuses to replace another user's file.
    const int error = errno;
    ::unlink(temporary.c_str());
    if (exists && FolderRefused(error)) return WriteInPlace(target, bytes);
    return Failed(error);
  }

  // Make the rename itself durable; the save has succeeded whatever this gives.
  FileHandle directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
  return Outcome::Success();
}

}  // namespace zelvane
