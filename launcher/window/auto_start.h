// The auto-start rules: which entry a stored choice names, and how deep an
// auto-start may nest inside another (a reload whose menu auto-starts a reload...).
#pragma once

namespace autostart {

const char* const kProfileKey = "AutoStart";
const char* const kProfileDefault = "0";
const unsigned kFirstChoiceId = 1000;  // choice n starts the entry with identifier 1000 + n
const int kDepthLimit = 4;             // nested auto-starts allowed before the chain stops

// The command identifier that a stored value starts, or 0 for none: the value's
// leading number n (as atoi reads it) when it is above 0.
unsigned ChoiceId(const char* stored);

// Counts the auto-starts in progress. A menu that auto-starts a reload of itself
// would nest without end; past kDepthLimit the chain stops and the window stays
// open on the last menu loaded, instead of every level ending it on the way out.
class NestingGuard {
 public:
  // Before an auto-start: false when it must not run (too deep).
  bool Enter();
  // After the entry has run: true when the window is to be ended now.
  bool Leave();
  int depth() const { return depth_; }

 private:
  int depth_ = 0;
  bool stopped_ = false;
};

}  // namespace autostart
