// The message keys in loading order.
#include "menu/messages.h"

namespace messages {

const MessageKey kKeys[kCount] = {
    {kQuitButton, "QuitButton"},    {kAboutBoxTitle, "AboutBoxTitle"}, {kAboutBoxMenu, "AboutBoxMenu"},
    {kErrorStart, "ErrorStartMsg"}, {kErrorOpen, "ErrorOpenMsg"},      {kErrorCaption, "ErrorMsg"},
    {kSelectItem, "SelectItem"},    {kNoneText, "NoneText"},           {kAutoStartLabel, "AutoStart"},
};

int IndexOf(unsigned number) {
  for (int i = 0; i < kCount; i++) {
    if (kKeys[i].number == number) return i;
  }
  return -1;
}

}  // namespace messages
