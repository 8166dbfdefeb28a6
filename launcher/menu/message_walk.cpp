// The Messages section walked as the profile reader reads it.
#include "menu/message_walk.h"

#include "menu/messages.h"

namespace messages {

LineUse SectionWalk::Next(const char* line, profile::Span* name, profile::Span* value, int* index) {
  line_++;
  profile::LineType type = profile::SplitLine(line, name, value);
  if (type == profile::LineType::kSection) {
    bool messages = profile::SameName(line, *name, "Messages");
    if (!messages) {
      state_ = state_ == kBefore ? kBefore : kPast;
      return LineUse::kNone;
    }
    if (state_ == kBefore) {
      state_ = kInside;
      sectionLine_ = line_;
      return LineUse::kSection;
    }
    state_ = kInsideLater;
    return LineUse::kLaterSection;
  }
  if (type != profile::LineType::kKey || state_ == kBefore || state_ == kPast) return LineUse::kNone;
  if (state_ == kInsideLater) return LineUse::kUnread;
  for (int i = 0; i < kCount; i++) {
    if (!profile::SameName(line, *name, kKeys[i].key)) continue;
    *index = i;
    if (found_ >> i & 1) return LineUse::kRepeated;
    found_ |= 1u << i;
    return LineUse::kText;
  }
  return LineUse::kUnknown;
}

}  // namespace messages
