// The work area the launcher window opens in: that of the monitor the user started
// the program from.
#pragma once
#include <windows.h>

RECT StartWorkArea();
