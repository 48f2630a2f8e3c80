#include "forms/picture_win.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "bitmap_rows.h"
#include "forms/bitmap_file.h"
#include "forms/gdi_objects_win.h"
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

// The resource bytes copied into a movable global block, as OLE's picture loader wants a stream.
IStream* StreamOfResource(int resourceId) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));
  if (found == nullptr) return nullptr;
  const DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr || size == 0) return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (copy == nullptr) return nullptr;
  void* target = GlobalLock(copy);
  std::memcpy(target, bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  return stream;
}

}  // namespace

Picture LoadPictureResource(int resourceId) {
  IStream* stream = StreamOfResource(resourceId);
  if (stream == nullptr) return {};
  IPicture* picture = nullptr;
  HRESULT result =
      OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(result) || picture == nullptr) return {};
  OLE_HANDLE handle = 0;
  HBITMAP copy = nullptr;
  // The picture object owns its bitmap; keep a copy that outlives it.
  if (SUCCEEDED(picture->get_Handle(&handle))) {
    copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  picture->Release();
  return Picture(copy);
}

namespace {

// The picture's pixels as bottom-up rows of blue, green and red, padded to four bytes.
bool ReadRows(HBITMAP bitmap, SIZE size, std::vector<std::uint8_t>& rows) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = kSavedBitsPerPixel;
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
