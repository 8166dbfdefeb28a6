// The table of message texts, read from the Messages section of a converted menu
// file when the system cannot read it.
#include "menu/message_table.h"

#include "menu/message_walk.h"

void MessageTable::Set(unsigned number, const char* text) {
  int i = messages::IndexOf(number);
  if (i >= 0) texts_[i].Assign(text);
}

const Text& MessageTable::Get(unsigned number) const {
  int i = messages::IndexOf(number);
  return i >= 0 ? texts_[i] : none_;
}

void MessageTable::ReadMessages(menu::ByteSource& text) {
  const size_t kLimit = messages::kValueBufferSize - 1;  // as the launcher's buffer cuts a text
  menu::LineReader reader(text);
  messages::SectionWalk walk;
  const char* line;
  size_t length;
  while (reader.Next(&line, &length) == menu::LineReader::kLine) {
    profile::Span name, value;
    int i = -1;
    if (walk.Next(line, &name, &value, &i) != messages::LineUse::kText) continue;
    size_t kept = value.end - value.begin;
    // The text is UTF-8: a cut never ends inside a character.
    if (kept > kLimit)
      for (kept = kLimit; kept && (line[value.begin + kept] & 0xC0) == 0x80;) kept--;
    texts_[i].Assign(line + value.begin, kept);
  }
}
