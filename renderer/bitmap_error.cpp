#include "bitmap_error.h"

BitmapError ErrorOfFault(BitmapFault fault) {
  return fault == BitmapFault::kUnknownFormat ? BitmapError::kUnknownFormat
                                              : BitmapError::kConversionFailed;
}

std::string BitmapErrorText(BitmapError error, const char* path) {
  switch (error) {
    case BitmapError::kOpenFailed:
      return std::string("Failed to open DIB file ") + path + ".\n";
    case BitmapError::kOutOfMemory:
      return "Out of memory.";
    case BitmapError::kUnknownFormat:
      return "Unknown DIB file format.";
    case BitmapError::kConversionFailed:
      break;
  }
  return "Image file conversion error.";
}
