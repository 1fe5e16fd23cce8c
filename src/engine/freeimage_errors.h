#pragma once

#include <string>

namespace tavrosine {

// FreeImage reports errors through one process-wide callback. This routes them to the
// calling thread, so each call can name its own reason and nothing reaches stderr.
void InstallFreeImageErrorHandler();

// Collects the FreeImage messages raised on this thread while it lives.
class FreeImageErrorScope {
 public:
  FreeImageErrorScope();
  ~FreeImageErrorScope();
  FreeImageErrorScope(const FreeImageErrorScope&) = delete;
  FreeImageErrorScope& operator=(const FreeImageErrorScope&) = delete;

  // The last message raised in this scope, or "".
  const std::string& LastMessage() const;

 private:
  std::string* previous_;
  std::string message_;
};

}  // namespace tavrosine
