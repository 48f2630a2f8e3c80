#pragma once

#include <windows.h>

#include "forms/gdi_objects_win.h"

// A bitmap picture held by the program; owns its GDI bitmap.
class Picture {
 public:
  Picture() = default;
  explicit Picture(HBITMAP bitmap) : bitmap_(bitmap) {}

  HBITMAP bitmap() const { return bitmap_.get(); }
  SIZE size() const;
  // Copies the whole picture, unstretched, to the target with its top left at (left, top).
  bool DrawAt(HDC target, int left, int top) const;
  explicit operator bool() const { return static_cast<bool>(bitmap_); }

 private:
  GdiObject<HBITMAP> bitmap_;
};

#include <cstdint>
#include <span>
#include <string>

// Decodes a JPEG or BMP image stored as an RCDATA resource of this program; empty on failure.
Picture LoadPictureResource(int resourceId);

// A Windows bitmap file with the 40-byte info header, of any depth and compression GDI converts,
// as a picture; empty when its headers do not hold up against its length or GDI refuses it.
Picture PictureOfBitmapFile(std::span<const std::uint8_t> file);

// Writes the picture as a 24-bit Windows bitmap file, replacing any file at path. False when
// the picture is empty or the file cannot be written.
bool SavePicture(const Picture& picture, const std::wstring& path);
