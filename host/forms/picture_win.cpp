#include "forms/picture_win.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "bitmap_header.h"
#include "bitmap_rows.h"
#include "dib_section_win.h"
#include "forms/bitmap_file.h"
#include "forms/gdi_objects_win.h"
#include "forms/ole_picture_win.h"
#include "scoped_handle_win.h"

SIZE Picture::size() const {
  BITMAP info = {};
  if (!bitmap_ || GetObjectW(bitmap(), sizeof(info), &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

bool Picture::DrawAt(HDC target, int left, int top) const {
  const MemoryContext source(target);
  if (!bitmap_ || !source) return false;
  const SelectedObject selected(source.dc(), bitmap());
  const SIZE whole = size();
  return BitBlt(target, left, top, whole.cx, whole.cy, source.dc(), 0, 0, SRCCOPY) != 0;
}

namespace {

std::span<const std::uint8_t> ResourceBytes(int resourceId) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)};
}

bool IsBitmapFile(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

// The file's info header and colour entries, as the conversion reads them, in a block aligned
// for it, with the sizes the checks found: the conversion reads exactly the checked bytes.
std::vector<std::uint32_t> ConversionHeader(std::span<const std::uint8_t> file,
                                            const BitmapLayout& layout) {
  const std::size_t size = kInfoHeaderBytes + layout.colourEntries.size();
  std::vector<std::uint32_t> words((size + sizeof(std::uint32_t) - 1) / sizeof(std::uint32_t));
  auto* bytes = reinterpret_cast<std::uint8_t*>(words.data());
  std::memcpy(bytes, file.data() + kFileHeaderBytes, kInfoHeaderBytes);
  std::memcpy(bytes + kInfoHeaderBytes, layout.colourEntries.data(), layout.colourEntries.size());
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(bytes);
  header->biSizeImage = layout.header.imageSize;
  header->biClrUsed = layout.header.coloursUsed;
  return words;
}

}  // namespace

Picture PictureOfBitmapFile(std::span<const std::uint8_t> file) {
  const BitmapParse parse = ParseBitmap(file);
  const BitmapLayout& layout = parse.layout;
  if (parse.fault != BitmapFault::kNone || !layout.hasFileHeader ||
      layout.headerSize != kInfoHeaderBytes) {
    return {};
  }
  const std::vector<std::uint32_t> source = ConversionHeader(file, layout);
  const int rows = std::abs(layout.header.height);
  const BITMAPINFO target =
      DibHeader(layout.header.width, rows, kSavedBitsPerPixel, DibRows::kBottomUp);
  // No device context: with RGB colour tables neither call needs one, and asking for the
  // screen's costs a round of display queries per picture under Wine.
  void* bits = nullptr;
  Picture picture(CreateDIBSection(nullptr, &target, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!picture ||
      SetDIBits(nullptr, picture.bitmap(), 0, static_cast<UINT>(rows),
                file.data() + layout.pixelOffset,
                reinterpret_cast<const BITMAPINFO*>(source.data()), DIB_RGB_COLORS) != rows) {
    return {};
  }
  return picture;
}

// Bitmaps, which every form and button face is made of, go through GDI alone; OLE is started
// only for the JPEG still of the preview.
Picture LoadPictureResource(int resourceId) {
  const std::span<const std::uint8_t> bytes = ResourceBytes(resourceId);
  if (bytes.empty()) return {};
  return IsBitmapFile(bytes) ? PictureOfBitmapFile(bytes) : Picture(DecodeWithOle(bytes));
}

namespace {

// The picture's pixels as bottom-up rows of blue, green and red, padded to four bytes.
bool ReadRows(HBITMAP bitmap, SIZE size, std::vector<std::uint8_t>& rows) {
  BITMAPINFO info = DibHeader(size.cx, size.cy, kSavedBitsPerPixel, DibRows::kBottomUp);
  rows.resize(PaddedRowBytes(size.cx, kSavedBitsPerPixel) * size.cy);
  const ScreenContext screen;
  const int copied = GetDIBits(screen.dc(), bitmap, 0, static_cast<UINT>(size.cy), rows.data(),
                               &info, DIB_RGB_COLORS);
  return copied == size.cy;
}

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  ScopedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  return file.Close() && ok;
}

}  // namespace

bool SavePicture(const Picture& picture, const std::wstring& path) {
  const SIZE size = picture.size();
  std::vector<std::uint8_t> rows;
  if (size.cx <= 0 || size.cy <= 0 || !ReadRows(picture.bitmap(), size, rows)) return false;
  return WriteWholeFile(path, BitmapFileBytes(size.cx, size.cy, rows));
}
