#include "support/core/as_nobody.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelvane::testing {

std::optional<std::string> AsNobody(const std::function<std::string()>& body) {
  const passwd* nobody = ::getpwnam("nobody");
  int channel[2];
  if (::geteuid() != 0 || nobody == nullptr || ::pipe(channel) != 0) return std::nullopt;
  const uid_t uid = nobody->pw_uid;
  const gid_t gid = nobody->pw_gid;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setresgid(gid, gid, gid) == 0 &&
                         ::setresuid(uid, uid, uid) == 0;
    const std::string result = dropped ? body() : "cannot become nobody";
    // A blocking pipe takes the whole of a short result in one write.
    ::_exit(::write(channel[1], result.data(), result.size()) == static_cast<ssize_t>(result.size()) ? 0 : 1);
  }
  ::close(channel[1]);
  std::string result;
  char buffer[4096];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) result.append(buffer, static_cast<std::size_t>(n));
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) result += " [child died]";
  return result;
}

}  // namespace zelvane::testing
