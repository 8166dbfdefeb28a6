// The Messages section of a menu file as the system's profile reader finds it, through
// the launcher's own walk: its nine keys with their numbers and built-in texts, and the
// rules on the section (misspelt keys, keys given twice, empty and over-long texts, a
// section the launcher never reads).
#pragma once
#include <string>
#include <vector>

#include "disc_report.h"
#include "menu/messages.h"
#include "menu_file.h"

namespace check {

const int kMessageKeyCount = messages::kCount;
// Characters of a message the profile reader keeps: the launcher reads into this buffer.
const size_t kMessageLimit = messages::kValueBufferSize - 1;

struct MessageKey {
  const char* name;
  int number;
  const char* defaultText;
};

// The keys in the order the launcher loads them.
const MessageKey& MessageKeyAt(int i);
// The key that name spells, ignoring case, or null.
const MessageKey* FindMessageKey(const std::string& name);
// The known key closest to a misspelt name (few edits, ignoring case), or null
// when none is close enough to be what the author meant.
const MessageKey* NearestMessageKey(const std::string& name);

// Warnings about the file's Messages section. The launcher reads that section
// only from the disc's autorun.inf (startFile true); elsewhere it is ignored.
void JudgeMessages(const std::vector<ScannedLine>& lines, const std::string& file, bool startFile,
                   std::vector<Warning>* warnings);

}  // namespace check
