#pragma once
// Live heap blocks and bytes of this test program, counted by its own global operator new
// and delete, so a long run can show that the clock's memory stays flat.
#include <cstdint>

namespace sorvane::hardening {

struct HeapUse {
  int64_t blocks = 0;
  int64_t bytes = 0;
};

HeapUse LiveHeap();

}  // namespace sorvane::hardening
