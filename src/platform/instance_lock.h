#pragma once

#include <string>

namespace tavrosine {

// A per-user lock named by the title text, held while this object lives. The desktop
// front end takes it so that a second copy exits quietly.
class InstanceLock {
 public:
  explicit InstanceLock(const std::string& name);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another process holds the lock, or it could not be created.
  bool acquired() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace tavrosine
