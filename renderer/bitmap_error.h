#pragma once

#include <string>

#include "bitmap_header.h"

// Why the working bitmap gave no picture; each reason has one text the user sees.
enum class BitmapError { kOpenFailed, kOutOfMemory, kUnknownFormat, kConversionFailed };

BitmapError ErrorOfFault(BitmapFault fault);

// Whether the reader tells the user of a failure in a message box.
enum class ErrorBoxes { kShown, kHidden };

// The message for the user. The open failure names the path and ends with a line break.
std::string BitmapErrorText(BitmapError error, const char* path);
