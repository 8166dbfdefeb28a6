// The nine keys of the Messages section that the launcher reads, and the
// nearest of them to a key it does not know.
#pragma once
#include <string>

namespace check {

const int kMessageKeyCount = 9;
const size_t kMessageLimit = 511;  // characters of a message the profile reader keeps

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

}  // namespace check
