#include "support/qt/ctype_locale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "support/core/temp_dir.h"

namespace zelvane::testing {

namespace {

bool UseLocale(const std::string& name) { return std::setlocale(LC_CTYPE, name.c_str()) != nullptr; }

// A locale made here is found through LOCPATH, set only while switching: left set, it
// would hide the system's locale archive from later switches.
bool UseMadeLocale(const std::string& codeset) {
  static TempDir folder;
  const std::string name = "en_US." + codeset;
  const std::string made = folder.File(name);
  const std::string command = "localedef -c -i en_US -f " + codeset + " '" + made + "' >/dev/null 2>&1";
  if (!std::filesystem::exists(made) && std::system(command.c_str()) == -1) return false;
  setenv("LOCPATH", folder.path().c_str(), 1);
  const bool used = UseLocale(name);
  unsetenv("LOCPATH");
  return used;
}

}  // namespace

CtypeLocale::CtypeLocale(const std::string& codeset) : former_(std::setlocale(LC_CTYPE, nullptr)) {
  active_ = codeset == "UTF-8" ? UseLocale("C.UTF-8") : UseLocale("en_US." + codeset) || UseMadeLocale(codeset);
}

CtypeLocale::~CtypeLocale() { std::setlocale(LC_CTYPE, former_.c_str()); }

}  // namespace zelvane::testing
