#include "engine/freeimage_errors.h"

#include <FreeImage.h>

#include <mutex>

namespace tavrosine {
namespace {

thread_local std::string* current_sink = nullptr;

void OnFreeImageMessage(FREE_IMAGE_FORMAT /*format*/, const char* message) {
  if (current_sink != nullptr && message != nullptr) *current_sink = message;
}

}  // namespace

void InstallFreeImageErrorHandler() {
  static std::once_flag once;
  std::call_once(once, [] { FreeImage_SetOutputMessage(OnFreeImageMessage); });
}

FreeImageErrorScope::FreeImageErrorScope() : previous_(current_sink) {
  InstallFreeImageErrorHandler();
  current_sink = &message_;
}

FreeImageErrorScope::~FreeImageErrorScope() { current_sink = previous_; }

const std::string& FreeImageErrorScope::LastMessage() const { return message_; }

}  // namespace tavrosine
