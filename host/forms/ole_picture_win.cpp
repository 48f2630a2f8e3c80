#include "forms/ole_picture_win.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "forms/on_demand_library_win.h"

namespace {

// In the order OLE itself needs them, so that they are given back the other way round.
OnDemandLibrary componentObjects(L"ole32.dll");
OnDemandLibrary oleAutomation(L"oleaut32.dll");

// The bytes copied into a movable global block, as OLE's picture loader wants a stream.
IStream* StreamOfBytes(std::span<const std::uint8_t> bytes) {
  auto* createStream =
      componentObjects.Find<decltype(CreateStreamOnHGlobal)>("CreateStreamOnHGlobal");
  if (createStream == nullptr || bytes.empty()) return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (copy == nullptr) return nullptr;
  void* target = GlobalLock(copy);
  std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(createStream(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  return stream;
}

}  // namespace

HBITMAP DecodeWithOle(std::span<const std::uint8_t> encoded) {
  auto* loadPicture = oleAutomation.Find<decltype(OleLoadPicture)>("OleLoadPicture");
  if (loadPicture == nullptr) return nullptr;
  IStream* stream = StreamOfBytes(encoded);
  if (stream == nullptr) return nullptr;
  IPicture* picture = nullptr;
  const HRESULT result =
      loadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(result) || picture == nullptr) return nullptr;
  OLE_HANDLE handle = 0;
  HBITMAP copy = nullptr;
  // The picture object owns its bitmap; keep a copy that outlives it.
  if (SUCCEEDED(picture->get_Handle(&handle))) {
    copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  picture->Release();
  return copy;
}
