#pragma once

#include "controls/button_face.h"
#include "forms/picture_win.h"

// The face image for a look, from the program's resources. The six pictures are loaded on the
// first call and shared by every button of the process; a missing one is an empty picture.
const Picture& FacePicture(FaceImage image);
