#pragma once

#include "bitmap_error.h"
#include "gl_headers.h"
#include "image_record.h"

// Makes the flakes' texture from the working bitmap and returns its name; 0 for a missing or
// unreadable file, which leaves the flakes untextured.
GLuint LoadTextures(ErrorBoxes showErrorBoxes);

// Makes a mipmapped, linearly filtered RGB texture from the picture in the current GL context
// and returns its name.
GLuint MakeTexture(const ImageRecord& image);
