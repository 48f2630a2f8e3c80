#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "bitmap_win.h"

// The system's services with one step made to fail on request, the messages kept instead of shown,
// and the memory context and section remembered so a test can check they were given back.
class RecordingServices : public BitmapServices {
 public:
  enum class Step {
    kNone,
    kWorkingHeader,
    kMemoryContext,
    kTargetHeader,
    kSection,
    kSelect,
    kConvert,
    kPixels,
    kRecord
  };

  Step failAt = Step::kNone;
  std::vector<std::string> messages;
  HDC context = nullptr;
  HBITMAP section = nullptr;

  HLOCAL AllocateWorkingHeader(std::size_t bytes) override {
    return failAt == Step::kWorkingHeader ? nullptr : BitmapServices::AllocateWorkingHeader(bytes);
  }
  HDC CreateMemoryContext() override {
    if (failAt == Step::kMemoryContext) return nullptr;
    context = BitmapServices::CreateMemoryContext();
    return context;
  }
  HLOCAL AllocateTargetHeader(std::size_t bytes) override {
    return failAt == Step::kTargetHeader ? nullptr : BitmapServices::AllocateTargetHeader(bytes);
  }
  HBITMAP CreateSection(HDC dc, const BITMAPINFO* target, void** bits) override {
    if (failAt == Step::kSection) return nullptr;
    section = BitmapServices::CreateSection(dc, target, bits);
    return section;
  }
  bool SelectSection(HDC dc, HBITMAP bitmap) override {
    return failAt != Step::kSelect && BitmapServices::SelectSection(dc, bitmap);
  }
  int Convert(HDC dc, HBITMAP bitmap, UINT rows, const void* pixels,
              const BITMAPINFO* source) override {
    return failAt == Step::kConvert ? 0 : BitmapServices::Convert(dc, bitmap, rows, pixels, source);
  }
  std::unique_ptr<std::uint8_t[]> AllocatePixels(std::size_t bytes) override {
    return failAt == Step::kPixels ? nullptr : BitmapServices::AllocatePixels(bytes);
  }
  std::unique_ptr<ImageRecord> AllocateRecord() override {
    return failAt == Step::kRecord ? nullptr : BitmapServices::AllocateRecord();
  }
  void ShowError(const char* text) override { messages.emplace_back(text); }
};
