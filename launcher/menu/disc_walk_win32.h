// The disc's files as the launcher reaches them before any click: walked from the
// disc's root without passing a link, and never on a remote drive.
#pragma once
#include "menu/disc_walk.h"

// The state of a disc path below discRoot ("D:\" or "." for the current folder), every
// part asked for its own attributes.
menu::PathState WalkDisc(const char* discRoot, const char* discPath);

// Does the path ("X:\...") lie on a drive that the system calls remote?
bool OnRemoteDrive(const char* path);
