#pragma once

#include <atomic>
#include <mutex>
#include <string>

namespace tavrosine {

// Progress shared between a background job (scan, import, conversion) and its front end.
// `running` is only ever cleared by the front end, to stop the job after the item in hand.
struct BatchCounters {
  std::mutex mutex;
  int processed = 0;         // position of the item in hand (1-based), or items looked at
  std::string current_item;  // full path of the item in hand
  int result = 0;            // files added, or files converted
  std::atomic<bool> running{true};

  // Before a job starts: counts cleared, allowed to run.
  void Reset() {
    ResetCounts();
    running = true;
  }
  // Counts cleared; a stop already requested still holds.
  void ResetCounts() {
    std::lock_guard lock(mutex);
    processed = 0;
    current_item.clear();
    result = 0;
  }
  void SetProgress(int position, const std::string& item) {
    std::lock_guard lock(mutex);
    processed = position;
    current_item = item;
  }
  void AddResult(int count) {
    std::lock_guard lock(mutex);
    result += count;
  }
  int Result() {
    std::lock_guard lock(mutex);
    return result;
  }
  void Stop() {
    std::lock_guard lock(mutex);
    running = false;
  }
};

}  // namespace tavrosine
