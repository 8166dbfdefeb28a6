// The auto-start choice and the bound on nested auto-starts.
#include "window/auto_start.h"

#include "base/text.h"

namespace autostart {

unsigned ChoiceId(const char* stored) {
  if (!stored || !*stored) return 0;
  int n = LeadingNumber(stored);
  return n > 0 ? kFirstChoiceId + (unsigned)n : 0;
}

bool NestingGuard::Enter() {
  if (depth_ >= kDepthLimit) {
    stopped_ = true;
    return false;
  }
  depth_++;
  return true;
}

bool NestingGuard::Leave() {
  if (depth_ > 0) depth_--;
  bool end = !stopped_;
  if (depth_ == 0) stopped_ = false;  // the next load starts a fresh chain
  return end;
}

}  // namespace autostart
