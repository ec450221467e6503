#pragma once
// Live GDI objects of this process. Windows counts them in GetGuiResources; Wine answers 0
// there, so count the used entries of the process's GDI handle table instead
// (PEB.GdiSharedHandleTable: 24-byte entries, non-zero type byte while in use).
#include <windows.h>
#include <winternl.h>

#include <cstdint>

inline long LiveGdiObjects() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0) return static_cast<long>(counted);
  struct Entry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
  };
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic,
                                sizeof(basic), nullptr) != 0) {
    return -1;
  }
  const auto* peb = reinterpret_cast<const uint8_t*>(basic.PebBaseAddress);
  const auto* table = *reinterpret_cast<const Entry* const*>(peb + 0xF8);
  if (table == nullptr) return -1;
  long live = 0;
  for (int i = 0; i < 0x10000; ++i) live += table[i].type != 0 ? 1 : 0;
  return live;
}
