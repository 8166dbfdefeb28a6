// Two start-up pieces of the MinGW C runtime in the small form this program needs:
// they would cost about 3 KB of the launcher's 64 KB.
#include <windows.h>

extern "C" {

// Bounds of the table of "pseudo relocations" that the linker makes for references to
// data in a DLL. The launcher refers to DLLs' functions only, so its table is empty.
extern const char __RUNTIME_PSEUDO_RELOC_LIST__[];
extern const char __RUNTIME_PSEUDO_RELOC_LIST_END__[];

// The runtime's own relocator (with the PE section helpers it needs) mends such
// references at start-up. With an empty table there is nothing to mend; should a later
// change bring in a reference to DLL data, the program stops at once rather than run
// with a wrong address, and every test shows it.
void _pei386_runtime_relocator() {
  const void* first = __RUNTIME_PSEUDO_RELOC_LIST__;
  if (first != __RUNTIME_PSEUDO_RELOC_LIST_END__) ExitProcess(255);
}

// The handler of errors in the C library's math functions, which the launcher does not
// call: the runtime's own prints a message with fprintf. 0 keeps the library's default.
int _matherr(void*) {
  return 0;
}
}
