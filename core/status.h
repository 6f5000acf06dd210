#pragma once
// The one way an operation that can fail says how it went.
//
// A failure carries the reason in the user's words. Operations that talk to
// the user themselves (through message_box) return Status::told() after the
// message has been shown, so that the caller neither repeats it nor calls the
// failure success; operations below the user (file layers, parsers, network)
// return Status::failed(reason) and let the command that called them show it.
#include <string>
#include <utility>

namespace quillon {

class [[nodiscard]] Status {
 public:
  static Status ok() { return Status(true, false, {}); }
  static Status failed(std::string reason) { return Status(false, false, std::move(reason)); }
  // A failure whose message the user has already seen, or an operation the
  // user stopped (Cancel): either way there is nothing more to tell.
  static Status told() { return Status(false, true, {}); }
  // How a step that has told the user of any failure (or was cancelled) went.
  static Status ok_or_told(bool done) { return done ? ok() : told(); }

  bool is_ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  // True when the failure still has to be shown to the user.
  bool needs_telling() const { return !ok_ && !told_; }
  const std::string& reason() const { return reason_; }

 private:
  Status(bool ok, bool told, std::string reason) : ok_(ok), told_(told), reason_(std::move(reason)) {}
  bool ok_;
  bool told_;
  std::string reason_;
};

}  // namespace quillon
