// What the launcher refuses of the paths a menu names before any click, told to the
// author: a copy's source off the disc or its folder on the network, an NT path or a
// device; a condition it does not know; a disc path that runs through a symbolic link.
#pragma once
#include <string>
#include <vector>

#include "disc_check.h"
#include "disc_files.h"
#include "menu/entry_condition.h"

namespace check {

// Why the launcher copies nothing from source to destination (as the directive's split
// gives them), or "" when it copies; *discSource is then the source from the disc's root.
std::string CopyRefusal(const std::string& source, const std::string& destination, std::string* discSource,
                        LeadByteTest isLeadByte);

// Why a condition the launcher reads as not known holds everywhere.
std::string UnknownConditionReason(const menu::Condition& condition);

// Warns, with its line, at each path of the menu that the launcher reaches before a
// click (a picture, a copy's source, a page or popup, a language file, a condition's
// disc path) and that runs through a symbolic link on the disc. The menu is in UTF-8.
void WarnAtLinks(const MenuView& menu, const DiscFiles& files, std::vector<Warning>* warnings);

}  // namespace check
