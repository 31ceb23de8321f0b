// The four tray pictures of today's phase: 16x16 icons with 16 colours, each a complete ICO file.
//
// All four share a red one-pixel frame around columns 0-14, a white interior and a transparent
// column 15; each carries one red glyph in rows 2-12, columns 2-12, drawn below as 11x11 art
// ('X' red, '.' white). The bytes are built from the art at compile time.
#include <cstddef>

#include "engine/today_phase.h"

namespace mirelle {
namespace {

constexpr int kSize = 16;
constexpr int kGlyphSize = 11;
constexpr int kGlyphOrigin = 2;     // first row and column of the glyph
constexpr int kFrameLastColumn = 14;  // column 15 is transparent

using Glyph = const char* const[kGlyphSize];

// M, the initial of Mirelle.
constexpr Glyph kGlyphM = {
    "XX.......XX",
    "XXX.....XXX",
    "XXXX...XXXX",
    "XX.XX.XX.XX",
    "XX..XXX..XX",
    "XX...X...XX",
    "XX.......XX",
    "XX.......XX",
    "XX.......XX",
    "XX.......XX",
    "XX.......XX",
};

// 经: the silk radical on the left, 又 over 工 on the right.
constexpr Glyph kGlyphJing = {
    "..X........",
    ".X...XXXXXX",
    "X..X..X..X.",
    "XXX....XX..",
    "..X...X.X..",
    ".X..XX...XX",
    "XXXX.......",
    ".....XXXXX.",
    "...XX..X...",
    "XXX....X...",
    "....XXXXXXX",
};

// 安: the roof over 女.
constexpr Glyph kGlyphAn = {
    ".....X.....",
    "XXXXXXXXXXX",
    "X.........X",
    "....X......",
    "...X.......",
    "XXXXXXXXXXX",
    "..X.....X..",
    "..X....X...",
    "...XX.X....",
    ".....XXX...",
    "XXXX....XXX",
};

// 排: the hand radical on the left, 非 on the right.
constexpr Glyph kGlyphPai = {
    ".X....X.X..",
    ".X....X.X..",
    "XXX.XXX.XXX",
    ".X....X.X..",
    ".X.X..X.X..",
    ".XX.XXX.XXX",
    "XX....X.X..",
    ".X....X.X..",
    ".X..XXX.XXX",
    ".X....X.X..",
    "XX....X.X..",
};

// The standard 16-colour Windows palette as (R, G, B); index 9 is red and 15 white.
constexpr uint8_t kPalette[16][3] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},     {128, 0, 128},
    {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
constexpr uint8_t kBlack = 0;  // colour under a transparent pixel, so the screen shows through unchanged
constexpr uint8_t kRed = 9;
constexpr uint8_t kWhite = 15;

constexpr size_t kHeaderSize = 6;
constexpr size_t kDirectorySize = 16;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kPaletteSize = 16 * 4;
constexpr size_t kColourRowBytes = kSize / 2;   // 4 bits per pixel; 8 bytes is already a multiple of 4
constexpr size_t kMaskRowBytes = 4;             // 16 bits, padded to a 4-byte row
constexpr size_t kColourBytes = kColourRowBytes * kSize;  // 128
constexpr size_t kMaskBytes = kMaskRowBytes * kSize;      // 64
constexpr size_t kImageOffset = kHeaderSize + kDirectorySize;                                  // 22
constexpr size_t kImageSize = kInfoHeaderSize + kPaletteSize + kColourBytes + kMaskBytes;      // 296
static_assert(kImageOffset + kImageSize == std::tuple_size_v<IconImage>);

constexpr void Put16(IconImage& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
constexpr void Put32(IconImage& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// Palette index of the pixel at (row, column), row 0 at the top.
constexpr uint8_t PixelAt(const Glyph& glyph, int row, int column) {
  if (column > kFrameLastColumn) return kBlack;
  if (row == 0 || row == kSize - 1 || column == 0 || column == kFrameLastColumn) return kRed;
  const int gr = row - kGlyphOrigin;
  const int gc = column - kGlyphOrigin;
  if (gr >= 0 && gr < kGlyphSize && gc >= 0 && gc < kGlyphSize && glyph[gr][gc] == 'X') return kRed;
  return kWhite;
}

constexpr IconImage BuildIcon(const Glyph& glyph) {
  IconImage b{};
  // ICONDIR: reserved, type 1 (icon), one image.
  Put16(b, 0, 0);
  Put16(b, 2, 1);
  Put16(b, 4, 1);
  // ICONDIRENTRY: 16x16, 16 colours, reserved, 1 plane, 4 bits per pixel, size, offset.
  b[6] = kSize;
  b[7] = kSize;
  b[8] = 16;
  b[9] = 0;
  Put16(b, 10, 1);
  Put16(b, 12, 4);
  Put32(b, 14, kImageSize);
  Put32(b, 18, kImageOffset);
  // BITMAPINFOHEADER: the height counts the colour rows and the mask rows together.
  size_t at = kImageOffset;
  Put32(b, at + 0, kInfoHeaderSize);
  Put32(b, at + 4, kSize);
  Put32(b, at + 8, kSize * 2);
  Put16(b, at + 12, 1);                            // planes
  Put16(b, at + 14, 4);                            // bits per pixel
  Put32(b, at + 16, 0);                            // BI_RGB
  Put32(b, at + 20, kColourBytes + kMaskBytes);    // 192
  Put32(b, at + 24, 0);
  Put32(b, at + 28, 0);
  Put32(b, at + 32, 16);                           // colours used
  Put32(b, at + 36, 0);
  at += kInfoHeaderSize;
  for (const auto& rgb : kPalette) {  // RGBQUAD order: blue, green, red, reserved
    b[at++] = rgb[2];
    b[at++] = rgb[1];
    b[at++] = rgb[0];
    b[at++] = 0;
  }
  // Colour rows, bottom row first, two pixels a byte with the left one in the high nibble.
  for (int row = kSize - 1; row >= 0; --row) {
    for (int column = 0; column < kSize; column += 2) {
      b[at++] = static_cast<uint8_t>(PixelAt(glyph, row, column) << 4 | PixelAt(glyph, row, column + 1));
    }
  }
  // Mask rows, bottom row first, most significant bit leftmost; 1 is transparent.
  for (int row = kSize - 1; row >= 0; --row) {
    uint32_t bits = 0;
    for (int column = kFrameLastColumn + 1; column < kSize; ++column) bits |= 0x8000u >> column;
    b[at++] = static_cast<uint8_t>(bits >> 8);
    b[at++] = static_cast<uint8_t>(bits);
    b[at++] = 0;
    b[at++] = 0;
  }
  return b;
}

// Every row of the art is 11 characters of 'X' and '.'.
constexpr bool WellFormed(const Glyph& glyph) {
  for (const char* row : glyph) {
    int n = 0;
    for (; row[n] != '\0'; ++n) {
      if (row[n] != 'X' && row[n] != '.') return false;
    }
    if (n != kGlyphSize) return false;
  }
  return true;
}
static_assert(WellFormed(kGlyphM) && WellFormed(kGlyphJing) && WellFormed(kGlyphAn) && WellFormed(kGlyphPai));

constexpr IconImage kIconNotSet = BuildIcon(kGlyphM);
constexpr IconImage kIconPeriod = BuildIcon(kGlyphJing);
constexpr IconImage kIconSafe = BuildIcon(kGlyphAn);
constexpr IconImage kIconOvulation = BuildIcon(kGlyphPai);

}  // namespace

const IconImage& PhaseIconImage(PhaseIcon icon) {
  switch (icon) {
    case PhaseIcon::Period:
      return kIconPeriod;
    case PhaseIcon::Safe:
      return kIconSafe;
    case PhaseIcon::Ovulation:
      return kIconOvulation;
    case PhaseIcon::NotSet:
      break;
  }
  return kIconNotSet;
}

}  // namespace mirelle
