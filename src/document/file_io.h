#pragma once
// Whole-file reads and safe whole-file replacement for the document's files. A save
// writes a temporary file beside the target, flushes it and renames it over the
// target, so a failure never leaves a half-written file where the old one was. Where
// the folder refuses that but the user may write the target, the target is written in place.

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/outcome.h"

namespace zelvane {

// Opens path with the given open() flags (a new file gets mode 0666 less the umask) without
// waiting, so that a device or a pipe nobody serves fails instead of hanging; reads and
// writes on the descriptor then block as usual. The descriptor closes on exec. Returns
// -1 with errno set on failure.
int OpenNoWait(const std::string& path, int flags);

// Reads the whole regular file at path into bytes; anything else (a pipe, a device) is
// refused, so that a read never waits for ever nor reads without end.
Outcome ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces the file at path with bytes. On failure the former file is unchanged and no
// temporary file is left, unless it had to be written in place. A target whose write
// bits are all clear is refused, even for root, and so is one the effective user may
// not write. A target that is not a regular file (a device) is written in place.
Outcome ReplaceFileContents(const std::string& path, std::string_view bytes);

// Every write of ReplaceFileContents goes through this function, so that a test can
// make a write fail part-way. It has the contract of POSIX write().
using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// Installs write and returns the function it replaces.
WriteFunction ReplaceWriteFunction(WriteFunction write);

// The short sentence for a failed file operation with the given errno.
std::string DescribeFileError(int error);

}  // namespace zelvane
