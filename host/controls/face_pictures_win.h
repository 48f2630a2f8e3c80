#pragma once

#include "controls/button_face.h"
#include "forms/picture_win.h"

// The face image for a look on a button at dpi. At 96 dpi the six pictures come from the
// program's resources, elsewhere they are drawn for that dpi; each set is made on first use and
// shared by every button of the process. A missing one is an empty picture.
const Picture& FacePicture(FaceImage image, int dpi);
