#pragma once
// The short sentences that name a failure of reading or writing the document's files.
// The windows show them after "LoadFields - ", "SaveFields - " and the like.

namespace zelvane::descriptions {

inline constexpr const char* kNoFileName = "No file name given";
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kPathNotFound = "Path not found";
inline constexpr const char* kPermissionDenied = "Permission denied";
inline constexpr const char* kDiskFull = "Disk full";
inline constexpr const char* kFolderNotFile = "Path names a folder, not a file";
inline constexpr const char* kReadOnlyDisk = "Disk is read-only";
inline constexpr const char* kNameTooLong = "File name too long";
inline constexpr const char* kTooManyFilesOpen = "Too many files open";
inline constexpr const char* kFileInUse = "File in use";
inline constexpr const char* kDeviceError = "Device I/O error";
inline constexpr const char* kFileTooLarge = "File too large";
inline constexpr const char* kNotPlainFile = "Not a plain file: a pipe or a device cannot be read as one";
inline constexpr const char* kNoReader = "No program is reading from this pipe or device";
inline constexpr const char* kReaderGone = "The program reading from this pipe stopped reading";
inline constexpr const char* kNoSuchDevice = "The device of this file is not there";
inline constexpr const char* kTooManyLinks = "Too many symbolic links in the path";
inline constexpr const char* kTryAgain = "File busy; try again";
inline constexpr const char* kOutOfMemory = "Not enough memory";
inline constexpr const char* kNotSupported = "This file does not allow that operation";
inline constexpr const char* kNotAnswering = "The file's storage is not answering";
inline constexpr const char* kUnexpectedError = "Unexpected file error";

inline constexpr const char* kInputPastEnd = "Input past end of file";
inline constexpr const char* kNumberMissing = "Number missing";
inline constexpr const char* kNotWholeNumber = "Not a whole number";
inline constexpr const char* kNumberTooLarge = "Number too large for its field";
inline constexpr const char* kClosingQuoteMissing = "Closing quote missing";
inline constexpr const char* kTextAfterQuote = "Unexpected text after a closing quote";
inline constexpr const char* kLineOneTooLong = "Line 1 holds more than the number of data lines";
inline constexpr const char* kTooManyFields = "Too many fields: a file holds at most 50";
inline constexpr const char* kTooManyListEntries =
    "Too many list entries: a file holds at most 1000";
// Around the reason a list file was not read whole and the number of entries read.
inline constexpr const char* kListFileNotWhole = "The list file could not be read whole: ";
inline constexpr const char* kListFileKept =
    " read; saving leaves the list file as it is until you change a list, which then writes "
    "only the lists shown";

// Companion files (.lst, .txt) belong only to a document named with ".fld".
inline constexpr const char* kListsNeedFldName =
    "Lists are kept only for a document whose name ends in .fld; save it with Save As under "
    "such a name";
inline constexpr const char* kDataFileNeedsFldName =
    "A data file is made only for a document whose name ends in .fld; save it with Save As "
    "under such a name";

}  // namespace zelvane::descriptions
