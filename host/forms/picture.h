#pragma once

#include <windows.h>

// A bitmap picture held by the program; owns its GDI bitmap.
class Picture {
 public:
  Picture() = default;
  explicit Picture(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~Picture();
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  HBITMAP bitmap() const { return bitmap_; }
  SIZE size() const;
  explicit operator bool() const { return bitmap_ != nullptr; }

 private:
  HBITMAP bitmap_ = nullptr;
};

// Decodes a JPEG or BMP image stored as an RCDATA resource of this program; empty on failure.
Picture LoadPictureResource(int resourceId);
