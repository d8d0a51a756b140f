#pragma once

namespace kelvane {

// Sets a re-entry flag for the length of a handler and clears it on every way
// out, exceptions included.
class FlagGuard {
  public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& flag_;
};

} // namespace kelvane
