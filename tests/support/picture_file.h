#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A picture file decoded by the system's own picture loader, as any viewer would show it.
struct DecodedPicture {
  int width = 0;
  int height = 0;
  // 0x00RRGGBB, top row first, as a 32-bit DIB holds them; SwapRedAndBlue gives colour values.
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Nothing when the file cannot be read or decoded.
std::optional<DecodedPicture> DecodePictureFile(const std::wstring& path);
