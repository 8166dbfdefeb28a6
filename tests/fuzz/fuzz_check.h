// The one assertion of the fuzz targets: a broken invariant is a crash libFuzzer keeps.
#pragma once
#include <stdio.h>
#include <stdlib.h>

#define FUZZ_CHECK(condition)                                                 \
  do {                                                                        \
    if (!(condition)) {                                                       \
      fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
      abort();                                                                \
    }                                                                         \
  } while (0)
