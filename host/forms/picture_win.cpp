#include "picture.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <utility>

Picture::~Picture() {
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

Picture::Picture(Picture&& other) noexcept : bitmap_(std::exchange(other.bitmap_, nullptr)) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    bitmap_ = std::exchange(other.bitmap_, nullptr);
  }
  return *this;
}

SIZE Picture::size() const {
  BITMAP info = {};
  if (bitmap_ == nullptr || GetObjectW(bitmap_, sizeof(info), &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
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
