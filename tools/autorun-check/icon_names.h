// The pictures of the launcher's 26 menu icons, by the number a QXicon list gives.
#pragma once

namespace check {

const int kFirstIcon = 1;  // a QXicon item n selects the launcher's icon 200 + n
const int kLastIcon = 26;
const int kIconBase = 200;

// The picture of icon n (1 to 26), or null when n names no icon.
const char* IconPicture(int n);

}  // namespace check
