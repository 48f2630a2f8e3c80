#pragma once

#include "gl_headers.h"
#include "image_record.h"

// Makes the flakes' texture from the working bitmap and stores it in textureName. A missing or
// unreadable file leaves textureName 0 and the flakes untextured. Always returns true.
bool LoadTextures();

// Makes a mipmapped, linearly filtered RGB texture from the picture in the current GL context
// and returns its name.
GLuint MakeTexture(const ImageRecord& image);
