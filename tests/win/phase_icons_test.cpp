// The four tray pictures as Windows itself reads and draws them: each image loads as a 16x16 icon
// and, drawn over a coloured background, shows its red frame and glyph, its white interior, and
// the background through its transparent last column.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <type_traits>

#include "engine/today_phase.h"

namespace mirelle {
namespace {

constexpr size_t kImageOffset = 22;
constexpr DWORD kImageSize = 296;
constexpr COLORREF kBackground = RGB(0, 128, 255);  // in no icon's palette
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A 16x16 top-down 32-bit DIB selected into a memory DC, filled with the background colour.
class Canvas {
 public:
  Canvas() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
    if (bitmap_) previous_ = SelectObject(dc_, bitmap_);
    for (int i = 0; bits_ && i < 16 * 16; ++i) {
      bits_[i] = GetRValue(kBackground) << 16 | GetGValue(kBackground) << 8 | GetBValue(kBackground);
    }
  }
  ~Canvas() {
    if (previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool Ready() const { return dc_ && bitmap_ && bits_; }
  HDC Dc() const { return dc_; }

  COLORREF At(int row, int column) const {
    GdiFlush();
    const uint32_t p = bits_[row * 16 + column];  // 0x00RRGGBB
    return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
  }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  uint32_t* bits_ = nullptr;
};

UniqueIcon LoadPhaseIcon(const IconImage& image) {
  auto* bytes = const_cast<BYTE*>(reinterpret_cast<const BYTE*>(image.data() + kImageOffset));
  return UniqueIcon(CreateIconFromResourceEx(bytes, kImageSize, TRUE, 0x00030000, 16, 16, LR_DEFAULTCOLOR));
}

// The palette index of a pixel as the image stores it (rows bottom first, left pixel high nibble).
int StoredIndex(const IconImage& image, int row, int column) {
  const uint8_t pair = image[kImageOffset + 40 + 64 + (15 - row) * 8 + column / 2];
  return column % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

const PhaseIcon kIcons[] = {PhaseIcon::NotSet, PhaseIcon::Period, PhaseIcon::Safe, PhaseIcon::Ovulation};

TEST(PhaseIconsOnWindows, LoadAsSixteenBySixteenIcons) {
  for (PhaseIcon which : kIcons) {
    SCOPED_TRACE(static_cast<int>(which));
    const UniqueIcon icon = LoadPhaseIcon(PhaseIconImage(which));
    ASSERT_NE(icon.get(), nullptr) << "error " << GetLastError();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP mask{};
    ASSERT_NE(GetObject(info.hbmMask, sizeof mask, &mask), 0);
    EXPECT_EQ(mask.bmWidth, 16);
    if (info.hbmColor) {
      BITMAP colour{};
      ASSERT_NE(GetObject(info.hbmColor, sizeof colour, &colour), 0);
      EXPECT_EQ(colour.bmWidth, 16);
      EXPECT_EQ(colour.bmHeight, 16);
      DeleteObject(info.hbmColor);
    } else {
      EXPECT_EQ(mask.bmHeight, 32);  // a monochrome icon keeps both masks in one bitmap
    }
    DeleteObject(info.hbmMask);
  }
}

TEST(PhaseIconsOnWindows, DrawRedFrameWhiteInteriorAndTransparentColumn) {
  for (PhaseIcon which : kIcons) {
    SCOPED_TRACE(static_cast<int>(which));
    const IconImage& image = PhaseIconImage(which);
    const UniqueIcon icon = LoadPhaseIcon(image);
    ASSERT_NE(icon.get(), nullptr);
    Canvas canvas;
    ASSERT_TRUE(canvas.Ready());
    ASSERT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon.get(), 16, 16, 0, nullptr, DI_NORMAL));

    int redInGlyphArea = 0;
    for (int row = 0; row < 16; ++row) {
      EXPECT_EQ(canvas.At(row, 15), kBackground) << "row " << row;
      EXPECT_EQ(canvas.At(row, 0), kRed) << "row " << row;
      EXPECT_EQ(canvas.At(row, 14), kRed) << "row " << row;
    }
    for (int column = 0; column < 15; ++column) {
      EXPECT_EQ(canvas.At(0, column), kRed) << "column " << column;
      EXPECT_EQ(canvas.At(15, column), kRed) << "column " << column;
    }
    for (int row = 1; row < 15; ++row) {
      for (int column = 1; column < 14; ++column) {
        const COLORREF expected = StoredIndex(image, row, column) == 9 ? kRed : kWhite;
        EXPECT_EQ(canvas.At(row, column), expected) << row << "," << column;
        const bool glyphArea = row >= 2 && row <= 12 && column >= 2 && column <= 12;
        if (!glyphArea) {
          EXPECT_EQ(canvas.At(row, column), kWhite) << "margin " << row << "," << column;
        }
        redInGlyphArea += glyphArea && canvas.At(row, column) == kRed;
      }
    }
    EXPECT_GE(redInGlyphArea, 25) << "a glyph is drawn";
  }
}

}  // namespace
}  // namespace mirelle
