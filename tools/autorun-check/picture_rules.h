// Rules on what a page's buttons show: the built-in icon a QXicon list gives an entry,
// a QXpicture value as the launcher reads it, and the picture file on the disc. Popup
// items show no pictures at all.
#pragma once
#include <vector>

#include "disc_files.h"
#include "disc_report.h"
#include "menu_file.h"

namespace check {

// The disc's root as the launcher sees it on a CD or stick: a drive's root. Only the
// length of a picture's full path depends on it.
const char kDiscRoot[] = "D:\\";

// Icon numbers that name no icon, picture values the launcher cannot use, QXpicture
// lines that no entry shows, and any QXpicture line of a popup.
void JudgePictures(const MenuFile& file, std::vector<Warning>* warnings);
// Each picture file of a page: on the disc, and giving the icon its entry asks for.
void JudgePictureFiles(const MenuView& page, const DiscFiles& files, std::vector<Warning>* warnings);

}  // namespace check
