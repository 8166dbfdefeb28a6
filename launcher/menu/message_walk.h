// The lines of a menu file as the system's profile reader takes them when the
// launcher asks it for the texts of the Messages section.
#pragma once
#include "menu/profile_section.h"

namespace messages {

// What a line is to the profile reader. It reads the keys of the first section named
// Messages and looks no further: a later section of that name is never read.
enum class LineUse {
  kNone,          // outside every Messages section, or no key line
  kSection,       // the header of the Messages section that is read
  kLaterSection,  // the header of a later Messages section
  kText,          // a message key read: its text counts
  kRepeated,      // a message key given before in the section: the first counts
  kUnknown,       // a key of the section that names no message
  kUnread,        // a key of a later Messages section: never read
};

// Walks a file's lines in order.
class SectionWalk {
 public:
  // What the line is. For key lines, *name and *value are its parts; for kText and
  // kRepeated, *index is the message's position in kKeys.
  LineUse Next(const char* line, profile::Span* name, profile::Span* value, int* index);
  // The line number (counted by Next) of the header of the section that is read; 0 before it.
  int sectionLine() const { return sectionLine_; }

 private:
  enum State { kBefore, kInside, kPast, kInsideLater } state_ = kBefore;
  unsigned found_ = 0;  // one bit per message
  int line_ = 0, sectionLine_ = 0;
};

}  // namespace messages
