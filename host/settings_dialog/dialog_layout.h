#pragma once

#include <array>

#include "forms/dpi_scale.h"

// The settings dialog's layout at 96 dpi, in pixels: the form's controls in its client area, the
// panel's in the panel. At any other dpi every edge is scaled.
struct DialogLayout {
  int clientWidth;
  int clientHeight;
  DesignRect panel;
  DesignRect captionFrame;  // around the panel's caption "BGM"
  DesignRect bgmCaption;
  std::array<DesignRect, 3> sourceMarks;  // by source number
  std::array<DesignRect, 3> sourceLabels;
  DesignRect repeatBox;  // the edit field; its list opens below
  DesignRect repeatCaption;
  DesignRect fileButton;
  DesignRect fileName;
  DesignRect keepModeMark;  // on the panel's free right half, level with the first source row
  DesignRect keepModeLabel;
  DesignRect creditLine;
  DesignRect link;
  DesignRect setButton;
  DesignRect cancelButton;
};

inline constexpr DialogLayout kDialogLayout = {
    495,
    246,
    {12, 16, 469, 165},
    {20, 20, 113, 21},
    {20, 24, 111, 13},
    {{{28, 76, 13, 13}, {28, 56, 13, 13}, {28, 96, 13, 13}}},
    {{{44, 76, 22, 13}, {44, 56, 43, 13}, {44, 96, 60, 13}}},
    {112, 52, 41, 20},
    {156, 56, 66, 13},
    {40, 112, 29, 25},
    {72, 116, 381, 33},
    {296, 56, 13, 13},
    {312, 56, 150, 13},
    {12, 192, 165, 13},
    {12, 208, 219, 13},
    {316, 200, 81, 25},
    {400, 200, 81, 25},
};
