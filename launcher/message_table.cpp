// The message keys in loading order and the table of message texts, read from the
// Messages section of a converted menu file when the system cannot read it.
#include "message_table.h"

#include "profile_section.h"

namespace messages {

const MessageKey kKeys[kCount] = {
    {kQuitButton, "QuitButton"},     {kAboutBoxTitle, "AboutBoxTitle"}, {kAboutBoxMenu, "AboutBoxMenu"},
    {kErrorStart, "ErrorStartMsg"},  {kErrorOpen, "ErrorOpenMsg"},      {kErrorCaption, "ErrorMsg"},
    {kSelectItem, "SelectItem"},     {kNoneText, "NoneText"},           {kAutoStartLabel, "AutoStart"},
};

int IndexOf(unsigned number) {
  for (int i = 0; i < kCount; i++) {
    if (kKeys[i].number == number) return i;
  }
  return -1;
}

}  // namespace messages

void MessageTable::Set(unsigned number, const char* text) {
  int i = messages::IndexOf(number);
  if (i >= 0) texts_[i].Assign(text);
}

const Text& MessageTable::Get(unsigned number) const {
  int i = messages::IndexOf(number);
  return i >= 0 ? texts_[i] : none_;
}

void MessageTable::ReadMessages(menu::ByteSource& text, LeadByteTest isLeadByte) {
  const char* keys[messages::kCount];
  for (int i = 0; i < messages::kCount; i++) keys[i] = messages::kKeys[i].key;
  menu::LineReader reader(text);
  // texts_ follows the order of kKeys.
  profile::ReadSection(reader, "Messages", keys, messages::kCount, messages::kValueBufferSize - 1, isLeadByte,
                       texts_);
}
