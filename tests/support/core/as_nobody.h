#pragma once
// Rules that only an ordinary user meets (root ignores permission bits) are tried in a
// forked child that has become the user nobody.

#include <functional>
#include <optional>
#include <string>

namespace zelvane::testing {

// What body returns, run as nobody in a child process; nothing when the privileges
// cannot be dropped (the tests do not run as root).
std::optional<std::string> AsNobody(const std::function<std::string()>& body);

}  // namespace zelvane::testing
