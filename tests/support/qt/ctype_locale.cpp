#include "support/qt/ctype_locale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "support/core/temp_dir.h"

namespace zelvane::testing {

// A locale of an 8-bit codeset is made here and found through LOCPATH, set only while
// switching: left set, it would hide the system's locale archive from later switches.
CtypeLocale::CtypeLocale(const std::string& codeset) : former_(std::setlocale(LC_CTYPE, nullptr)) {
  if (codeset == "UTF-8") {
    active_ = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    return;
  }
  static TempDir folder;
  const std::string name = "en_US." + codeset;
  const std::string command = "localedef -c -i en_US -f " + codeset + " '" + folder.File(name) + "' >/dev/null 2>&1";
  if (!std::filesystem::exists(folder.File(name)) && std::system(command.c_str()) == -1) return;
  setenv("LOCPATH", folder.path().c_str(), 1);
  active_ = std::setlocale(LC_CTYPE, name.c_str()) != nullptr;
  unsetenv("LOCPATH");
}

CtypeLocale::~CtypeLocale() { std::setlocale(LC_CTYPE, former_.c_str()); }

}  // namespace zelvane::testing
