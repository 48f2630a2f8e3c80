#include "bitmap_win.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <span>
#include <type_traits>

#include "bitmap_error.h"
#include "bitmap_header.h"
#include "bitmap_rows.h"
#include "scoped_handle_win.h"

static_assert(sizeof(BITMAPINFOHEADER) == kInfoHeaderBytes);

namespace {

constexpr std::size_t kTargetHeaderBytes = kInfoHeaderBytes + 4;
// The working header carries one spare entry after its colour table.
constexpr std::size_t kWorkingHeaderSpareBytes = 4;

struct UnmapView {
  void operator()(const void* view) const { UnmapViewOfFile(view); }
};
struct FreeLocal {
  void operator()(HLOCAL block) const { LocalFree(block); }
};
struct DeleteBitmap {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
struct DeleteContext {
  void operator()(HDC context) const { DeleteDC(context); }
};

// Everything one read acquires. Members are released bottom to top, which is the order the reader
// owes the system: the context before the section still selected into it, the headers, then the
// view, the mapping and the file.
struct Acquired {
  ScopedHandle file;
  ScopedHandle mapping;
  std::unique_ptr<const void, UnmapView> view;
  std::unique_ptr<void, FreeLocal> workingHeader;
  std::unique_ptr<void, FreeLocal> targetHeader;
  std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteBitmap> section;
  std::unique_ptr<std::remove_pointer_t<HDC>, DeleteContext> context;
};

// Maps the whole file for reading. An empty file cannot be mapped.
bool MapFile(const char* path, Acquired& held, std::span<const std::uint8_t>& bytes) {
  held.file = ScopedHandle(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!held.file.valid()) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(held.file.get(), &size)) return false;
  held.mapping =
      ScopedHandle(CreateFileMappingA(held.file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!held.mapping.valid()) return false;
  held.view.reset(MapViewOfFile(held.mapping.get(), FILE_MAP_READ, 0, 0, 0));
  if (!held.view) return false;
  bytes = {static_cast<const std::uint8_t*>(held.view.get()),
           static_cast<std::size_t>(size.QuadPart)};
  return true;
}

// The header the conversion reads the file's pixels by, followed by the masks and colour table.
BITMAPINFO* MakeWorkingHeader(const BitmapLayout& layout, BitmapServices& services,
                              Acquired& held) {
  const std::size_t bytes =
      kInfoHeaderBytes + layout.colourEntries.size() + kWorkingHeaderSpareBytes;
  held.workingHeader.reset(services.AllocateWorkingHeader(bytes));
  if (!held.workingHeader) return nullptr;
  auto* info = static_cast<BITMAPINFO*>(held.workingHeader.get());
  std::memset(info, 0, bytes);
  const InfoHeader& from = layout.header;
  BITMAPINFOHEADER& to = info->bmiHeader;
  to.biSize = from.size;
  to.biWidth = from.width;
  to.biHeight = from.height;
  to.biPlanes = from.planes;
  to.biBitCount = from.bitsPerPixel;
  to.biCompression = from.compression;
  to.biSizeImage = from.imageSize;
  to.biXPelsPerMeter = from.xPixelsPerMetre;
  to.biYPelsPerMeter = from.yPixelsPerMetre;
  to.biClrUsed = from.coloursUsed;
  to.biClrImportant = from.coloursImportant;
  if (!layout.colourEntries.empty()) {
    std::memcpy(reinterpret_cast<std::uint8_t*>(info) + kInfoHeaderBytes,
                layout.colourEntries.data(), layout.colourEntries.size());
  }
  return info;
}

// A 24-bit section of the picture's size, stored in the same row order as the file's pixels.
void* MakeSection(const InfoHeader& source, BitmapServices& services, Acquired& held) {
  held.context.reset(services.CreateMemoryContext());
  if (!held.context) return nullptr;
  held.targetHeader.reset(services.AllocateTargetHeader(kTargetHeaderBytes));
  if (!held.targetHeader) return nullptr;
  auto* target = static_cast<BITMAPINFO*>(held.targetHeader.get());
  BITMAPINFOHEADER& header = target->bmiHeader;
  header.biSize = kInfoHeaderBytes;
  header.biWidth = source.width;
  header.biHeight = source.height;
  header.biPlanes = 1;
  header.biBitCount = kSectionBitsPerPixel;
  header.biCompression = BI_RGB;
  header.biSizeImage =
      static_cast<DWORD>(source.width) * static_cast<DWORD>(std::abs(source.height)) * 3;
  void* bits = nullptr;
  held.section.reset(services.CreateSection(held.context.get(), target, &bits));
  if (!held.section || bits == nullptr) return nullptr;
  if (!services.SelectSection(held.context.get(), held.section.get())) return nullptr;
  return bits;
}

// Converts the file's pixels through the section into a record, or says why it could not.
std::unique_ptr<ImageRecord> ConvertFile(const char* path, BitmapServices& services,
                                         BitmapError& error) {
  Acquired held;
  std::span<const std::uint8_t> file;
  error = BitmapError::kOpenFailed;
  if (!MapFile(path, held, file)) return nullptr;
  const BitmapParse parse = ParseBitmap(file);
  if (parse.fault != BitmapFault::kNone) {
    error = ErrorOfFault(parse.fault);
    return nullptr;
  }
  const BitmapLayout& layout = parse.layout;
  error = BitmapError::kOutOfMemory;
  const BITMAPINFO* working = MakeWorkingHeader(layout, services, held);
  if (working == nullptr) return nullptr;
  const void* bits = MakeSection(layout.header, services, held);
  if (bits == nullptr) return nullptr;
  const std::int32_t width = layout.header.width;
  const std::int32_t rows = std::abs(layout.header.height);
  if (services.Convert(held.context.get(), held.section.get(), static_cast<UINT>(rows),
                       file.data() + layout.pixelOffset, working) == 0) {
    error = BitmapError::kConversionFailed;
    return nullptr;
  }
  GdiFlush();
  const std::size_t rgbBytes = static_cast<std::size_t>(width) * rows * 3;
  std::unique_ptr<std::uint8_t[]> rgb = services.AllocatePixels(rgbBytes);
  if (!rgb) return nullptr;
  const std::span<const std::uint8_t> section(static_cast<const std::uint8_t*>(bits),
                                              PaddedRowBytes(width, kSectionBitsPerPixel) * rows);
  CopySectionRows(section, width, rows, RowOrderOf(layout.header.height), {rgb.get(), rgbBytes});
  std::unique_ptr<ImageRecord> record = services.AllocateRecord();
  if (!record) return nullptr;
  record->sizeX = width;
  record->sizeY = rows;
  record->data = std::move(rgb);
  return record;
}

}  // namespace

HLOCAL BitmapServices::AllocateWorkingHeader(std::size_t bytes) {
  return LocalAlloc(LMEM_FIXED, bytes);
}

HDC BitmapServices::CreateMemoryContext() { return CreateCompatibleDC(nullptr); }

HLOCAL BitmapServices::AllocateTargetHeader(std::size_t bytes) { return LocalAlloc(LPTR, bytes); }

HBITMAP BitmapServices::CreateSection(HDC context, const BITMAPINFO* target, void** bits) {
  return CreateDIBSection(context, target, DIB_RGB_COLORS, bits, nullptr, 0);
}

bool BitmapServices::SelectSection(HDC context, HBITMAP section) {
  const HGDIOBJ previous = SelectObject(context, section);
  return previous != nullptr && previous != HGDI_ERROR;
}

int BitmapServices::Convert(HDC context, HBITMAP section, UINT rows, const void* pixels,
                            const BITMAPINFO* source) {
  return SetDIBits(context, section, 0, rows, pixels, source, DIB_RGB_COLORS);
}

std::unique_ptr<std::uint8_t[]> BitmapServices::AllocatePixels(std::size_t bytes) {
  return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[bytes]);
}

std::unique_ptr<ImageRecord> BitmapServices::AllocateRecord() {
  return std::unique_ptr<ImageRecord>(new (std::nothrow) ImageRecord);
}

void BitmapServices::ShowError(const char* text) { MessageBoxA(GetFocus(), text, "Error", MB_OK); }

BitmapServices& SystemBitmapServices() {
  static BitmapServices services;
  return services;
}

std::unique_ptr<ImageRecord> ReadBitmapImage(const char* path, BitmapServices& services,
                                             ErrorBoxes showErrorBoxes) {
  if (path == nullptr) return nullptr;
  BitmapError error = BitmapError::kOpenFailed;
  std::unique_ptr<ImageRecord> record = ConvertFile(path, services, error);
  // Shown only once everything the read acquired has been given back.
  if (!record && showErrorBoxes == ErrorBoxes::kShown)
    services.ShowError(BitmapErrorText(error, path).c_str());
  return record;
}

std::unique_ptr<ImageRecord> LoadBitmapFile(const char* path, BitmapServices& services,
                                            ErrorBoxes showErrorBoxes) {
  if (path == nullptr) return nullptr;
  // A file the C library cannot open is simply absent: the flakes go untextured, silently.
  std::FILE* probe = std::fopen(path, "r");
  if (probe == nullptr) return nullptr;
  std::fclose(probe);
  return ReadBitmapImage(path, services, showErrorBoxes);
}
