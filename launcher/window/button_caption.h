// How a button's caption reads outside the button, as the About box lists it: the text
// before any "@" (the control takes what follows for its icon names), every "&" made a
// blank, white space trimmed at both ends ("&Install" reads "Install").
#pragma once
#include "base/text.h"

Text PlainButtonCaption(const char* caption, LeadByteTest isLeadByte);
