// A broken promise found by a fuzz target: names the line, then aborts so
// libFuzzer keeps the input.
#ifndef TORVEX_FUZZ_FAIL_H
#define TORVEX_FUZZ_FAIL_H
#include <stdio.h>
#include <stdlib.h>
#define FUZZ_FAIL() (fprintf(stderr, "broken promise at %s:%d\n", __FILE__, __LINE__), abort())
#endif
