// The pictures of the launcher's 26 menu icons, by the number a QXicon list gives.
#pragma once
#include "res/resource_ids.h"

namespace check {

const int kIconBase = IDI_NONE;                // a QXicon item n selects the launcher's icon 200 + n
const int kFirstIcon = IDI_FIRST - kIconBase;  // 1
const int kLastIcon = IDI_LAST - kIconBase;    // 26

// The picture of icon n (1 to 26), or null when n names no icon.
const char* IconPicture(int n);

}  // namespace check
