#pragma once
// A failed expectation inside a fuzz target: print what broke and abort, so libFuzzer keeps
// the input as a crash artifact. Unlike assert() it stays on in optimised builds.
#include <cstdio>
#include <cstdlib>

namespace sorvane::fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: expectation failed: %s\n", file, line, what);
  std::abort();
}

}  // namespace sorvane::fuzz

#define FUZZ_CHECK(cond) \
  ((cond) ? (void)0 : ::sorvane::fuzz::Fail(#cond, __FILE__, __LINE__))
