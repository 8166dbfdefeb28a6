// operator new and delete over malloc and free: the library's versions would bring
// the exception machinery of libstdc++ into a program built without exceptions.
// Without exceptions a failed allocation answers null (see new_delete.h).
#include "base/new_delete.h"

#include <stdlib.h>

#include <new>

void* operator new(size_t size) noexcept { return malloc(size ? size : 1); }
void* operator new[](size_t size) noexcept { return malloc(size ? size : 1); }
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }
void operator delete[](void* p, size_t) noexcept { free(p); }
