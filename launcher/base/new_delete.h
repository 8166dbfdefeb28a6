// The launcher's own allocation functions, declared noexcept: a failed allocation then
// answers null by definition, and the compiler keeps the null check after each new.
// Every file that uses new includes this declaration.
#pragma once
#include <stddef.h>

void* operator new(size_t size) noexcept;
void* operator new[](size_t size) noexcept;
