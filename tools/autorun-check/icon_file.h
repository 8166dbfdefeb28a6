// How many icons a file offers, counted as the shell's icon extraction counts them:
// an icon file is one icon, whatever number of images it holds; a program or library
// has one icon per icon group of its resources.
#pragma once
#include <string>

namespace check {

// The file's icon count, or -1 when the file is neither an icon file nor a Windows
// program or library (a program without icons counts 0).
int IconCount(const std::string& bytes);

}  // namespace check
