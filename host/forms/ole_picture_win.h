#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

// Decodes a JPEG, or another picture format OLE knows, into a bitmap the caller owns; nullptr on
// failure. OLE is heavy to start and only the preview's still needs it, so its libraries are
// loaded at the first call; when they cannot be, the decoding fails like any other.
HBITMAP DecodeWithOle(std::span<const std::uint8_t> encoded);
