// How deep auto-start steps may nest: an auto-start entry that reloads a menu runs
// that menu's own auto-start step before the first returns, so a circle of menus
// would nest without end. Past the bound the launcher stays open on the last menu.
#pragma once

namespace autostart {

const int kMaxNesting = 4;

// May another auto-start step run while depth steps are already running?
inline bool MayNest(int depth) { return depth < kMaxNesting; }

}  // namespace autostart
