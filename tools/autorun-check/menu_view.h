// The second step: what the launcher shows of one menu document, as the report lists it
// (the page's title and name, its entries with the command lines they start and their
// pictures, gaps, copies and language lines), in UTF-8. The rules judge the document;
// this only describes it.
#pragma once
#include "disc_report.h"
#include "menu_file.h"
#include "system.h"

namespace check {

// The view of a file read by ReadMenuFile; commands are composed with associations.
MenuView ViewMenu(const MenuFile& file, DiscCodePage& codePage, const Associations& associations);

}  // namespace check
