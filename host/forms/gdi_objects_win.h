#pragma once

#include <windows.h>

#include <utility>

#include "window_context_win.h"

// Owners for the GDI objects the forms and controls draw with. Each gives back what it took in its
// destructor, so objects declared in acquisition order are released in the reverse order.

// A memory device context of its own, compatible with another one.
class MemoryContext {
 public:
  explicit MemoryContext(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryContext() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryContext(const MemoryContext&) = delete;
  MemoryContext& operator=(const MemoryContext&) = delete;

  HDC dc() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// An object selected into a device context until the end of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

  explicit operator bool() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The screen's device context, for questions about the display.
class ScreenContext : public WindowContext {
 public:
  ScreenContext() : WindowContext(nullptr) {}
};

// A font, brush or other drawing object of our own, or an icon or cursor loaded at a size of our
// choosing (so not the system's shared copy); moved, never shared.
template <typename Handle, auto Release = &DeleteObject>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle object) : object_(object) {}
  ~GdiObject() {
    if (object_ != nullptr) Release(object_);
  }
  GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      if (object_ != nullptr) Release(object_);
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  Handle object_ = nullptr;
};

using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedIcon = GdiObject<HICON, &DestroyIcon>;
using OwnedCursor = GdiObject<HCURSOR, &DestroyCursor>;

// Fills area with a solid colour; false when the system refuses the brush or the fill.
inline bool FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  const OwnedBrush brush(CreateSolidBrush(colour));
  return brush && FillRect(dc, &area, brush.get()) != 0;
}
