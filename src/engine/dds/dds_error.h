#pragma once

#include <string>

namespace tavrosine::dds {

enum class DdsErrorKind {
  kNone,
  kInvalidData,        // the bytes are not a well-formed DDS file
  kUnsupportedFormat,  // well-formed, but not a format this reader turns into a picture
  kTruncated,          // the file ends before the data it declares
  kTooLarge,           // larger than the limits in dds_limits.h
  kIo,                 // the file could not be read at all
};

// An error as a value: a category for callers that branch on it and a sentence for the user
// (without the file name, which the caller adds).
struct DdsError {
  DdsErrorKind kind = DdsErrorKind::kNone;
  std::string message;

  explicit operator bool() const { return kind != DdsErrorKind::kNone; }
};

inline DdsError InvalidData(std::string message) {
  return {DdsErrorKind::kInvalidData, std::move(message)};
}
inline DdsError Unsupported(std::string message) {
  return {DdsErrorKind::kUnsupportedFormat, std::move(message)};
}
inline DdsError Truncated(std::string message) {
  return {DdsErrorKind::kTruncated, std::move(message)};
}
inline DdsError TooLarge(std::string message) {
  return {DdsErrorKind::kTooLarge, std::move(message)};
}

}  // namespace tavrosine::dds
