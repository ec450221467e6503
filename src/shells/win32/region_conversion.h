#pragma once
// Our Region value and GDI region handles, both ways: the window gets its outline as an
// HRGN, and GDI's text paths come back as a Region.
#include "shells/win32/windows_api.h"

#include "shells/win32/gdi_holders.h"
#include "region/region.h"

namespace sorvane::win32 {

// A new GDI region covering exactly the pixels of `region` (ExtCreateRegion).
// Holds nothing when GDI refuses it.
RegionHandle ToGdiRegion(const Region& region);

// The pixels of a GDI region (GetRegionData); empty when the handle is not a region.
Region FromGdiRegion(HRGN handle);

}  // namespace sorvane::win32
