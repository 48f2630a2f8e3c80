#pragma once

#include <windows.h>

#include <vector>

#include "controls/button_face.h"
#include "forms/picture_win.h"

// The three layers of a button face, each drawn on a device context. False when the system
// refused the drawing.

bool ClearFace(HDC dc, SIZE size, COLORREF colour);
// One vertical gradient rectangle between the first two vertices.
bool FillFaceGradient(HDC dc, const GradientVertices& vertices);
// Stretches each piece of the picture into its place; the picture's inside is never drawn.
bool DrawBorderPieces(HDC dc, const Picture& picture, const std::vector<FacePiece>& pieces);
