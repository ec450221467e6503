#pragma once
// Points, sizes and rectangles of whole pixels, and the range every pixel coordinate of the
// program lies in. Every module that deals in pixels uses these: the region engine, the
// geometry of the clock, the ports and the clock form.
#include <cstdint>

namespace sorvane {

// Every pixel coordinate the clock computes, and every coordinate a region holds, lies within
// [-kCoordLimit, kCoordLimit]; anything beyond is clamped to it. The reasons for this bound:
// - A window region leaves the program with 16-bit coordinates: X11 window shapes carry signed
//   16-bit rectangles, and so does Wine's hand-off of a window region to them. A region of
//   +-2^14 stays within that range even when moved by a window's place on a screen of up to
//   16,384 pixels.
// - It is larger than any face a screen can show (a full-screen face is the screen height).
// - It keeps the arithmetic of hostile inputs exact and cheap: a skin holding numbers near the
//   int32 extremes still gives a region of at most 2^15 rows, quickly, and products of two
//   coordinates stay far inside 64 bits.
inline constexpr int32_t kCoordLimit = 1 << 14;

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Half-open: covers left <= x < right, top <= y < bottom, as Windows' RECT does.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace sorvane
