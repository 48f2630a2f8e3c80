#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "bitmap_error.h"
#include "image_record.h"

// The system services the bitmap reader acquires, and the way it tells the user of a failure.
// The program uses them as they are; tests derive from them to make one step fail or to read the
// message instead of showing a box.
class BitmapServices {
 public:
  virtual ~BitmapServices() = default;
  virtual HLOCAL AllocateWorkingHeader(std::size_t bytes);
  virtual HDC CreateMemoryContext();
  virtual HLOCAL AllocateTargetHeader(std::size_t bytes);  // zero-filled
  virtual HBITMAP CreateSection(HDC context, const BITMAPINFO* target, void** bits);
  virtual bool SelectSection(HDC context, HBITMAP section);
  // Returns the number of rows converted, 0 on failure.
  virtual int Convert(HDC context, HBITMAP section, UINT rows, const void* pixels,
                      const BITMAPINFO* source);
  virtual std::unique_ptr<std::uint8_t[]> AllocatePixels(std::size_t bytes);
  virtual std::unique_ptr<ImageRecord> AllocateRecord();
  // A modal box owned by the focused window, captioned "Error", with an OK button.
  virtual void ShowError(const char* text);
};

BitmapServices& SystemBitmapServices();

// Reads a Windows bitmap file of any depth and compression the system converts, as tightly packed
// RGB rows, bottom row first. On failure returns null, having shown one message when
// showErrorBoxes says so.
std::unique_ptr<ImageRecord> ReadBitmapImage(const char* path,
                                             BitmapServices& services = SystemBitmapServices(),
                                             ErrorBoxes showErrorBoxes = ErrorBoxes::kShown);

// As ReadBitmapImage, but a file the C library cannot open gives null without a message.
std::unique_ptr<ImageRecord> LoadBitmapFile(const char* path,
                                            BitmapServices& services = SystemBitmapServices(),
                                            ErrorBoxes showErrorBoxes = ErrorBoxes::kShown);
