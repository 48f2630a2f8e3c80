#include "picture_file.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include "dib_section_win.h"

namespace {

// The file's bytes in a movable global block, owned by the stream made over it.
IStream* StreamOfFile(const std::wstring& path, DWORD& size) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  size = GetFileSize(file, nullptr);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  DWORD read = 0;
  const bool ok =
      memory != nullptr && ReadFile(file, GlobalLock(memory), size, &read, nullptr) && read == size;
  if (memory != nullptr) GlobalUnlock(memory);
  CloseHandle(file);
  IStream* stream = nullptr;
  if (!ok || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    if (memory != nullptr) GlobalFree(memory);
    return nullptr;
  }
  return stream;
}

std::optional<DecodedPicture> PixelsOf(HBITMAP bitmap) {
  BITMAP shape = {};
  if (GetObjectW(bitmap, sizeof(shape), &shape) == 0) return std::nullopt;
  DecodedPicture picture;
  picture.width = shape.bmWidth;
  picture.height = shape.bmHeight;
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  BITMAPINFO info = DibHeader(picture.width, picture.height);
  HDC screen = GetDC(nullptr);
  const int rows =
      GetDIBits(screen, bitmap, 0, picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != picture.height) return std::nullopt;
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFF;
  return picture;
}

}  // namespace

std::optional<DecodedPicture> DecodePictureFile(const std::wstring& path) {
  DWORD size = 0;
  IStream* stream = StreamOfFile(path, size);
  if (stream == nullptr) return std::nullopt;
  IPicture* picture = nullptr;
  std::optional<DecodedPicture> decoded;
  if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                               reinterpret_cast<void**>(&picture)))) {
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(picture->get_Handle(&handle))) {
      decoded = PixelsOf(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
    }
    picture->Release();
  }
  stream->Release();
  return decoded;
}
