#pragma once
// The result of a step that can fail: success, or a short sentence naming the failure.
// The core never shows anything; the windows put the sentence into their messages.

#include <string>
#include <utility>

namespace zelvane {

struct Outcome {
  bool ok = true;
  std::string description;  // empty on success

  static Outcome Success() { return {}; }
  static Outcome Failure(std::string why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

}  // namespace zelvane
