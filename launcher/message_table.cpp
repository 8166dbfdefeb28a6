// The message keys in loading order and the table of message texts.
#include "message_table.h"

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
