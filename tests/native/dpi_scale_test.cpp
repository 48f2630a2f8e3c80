#include "forms/dpi_scale.h"

#include <gtest/gtest.h>

#include "settings_dialog/dialog_layout.h"

namespace {

// The dialog's pieces at the usual display scales, worked out by hand from their 96-dpi places
// in the dialog's layout. The cancel button's right edge is the panel's at 96 dpi and must stay
// so at every scale.
TEST(DpiScale, TheDialogsPlacesAtEachScale) {
  struct Row {
    int dpi;
    EdgeRect panel;         // 12,16 469 x 165
    EdgeRect cancel;        // 400,200 81 x 25
    int clientWidth;        // 495
    int clientHeight;       // 246
    int buttonWidthTwips;   // 1215 twips, the set and cancel buttons
    int captionTwips;       // 195 twips, the buttons' caption box
    int firstDesignPixels;  // the design pixels of the pixels 0 to 5, as digits
  };
  const Row rows[] = {
      {96, {12, 16, 481, 181}, {400, 200, 481, 225}, 495, 246, 81, 13, 12345},
      {120, {15, 20, 601, 226}, {500, 250, 601, 281}, 619, 308, 101, 16, 11234},
      {144, {18, 24, 722, 272}, {600, 300, 722, 338}, 743, 369, 122, 20, 1223},
      {192, {24, 32, 962, 362}, {800, 400, 962, 450}, 990, 492, 162, 26, 1122},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.dpi);
    const DialogLayout& layout = kDialogLayout;
    EXPECT_EQ(ScaleBounds(layout.panel, row.dpi), row.panel);
    EXPECT_EQ(ScaleBounds(layout.cancelButton, row.dpi), row.cancel);
    EXPECT_EQ(row.cancel.right, row.panel.right);
    EXPECT_EQ(ScaleEdge(layout.clientWidth, row.dpi), row.clientWidth);
    EXPECT_EQ(ScaleEdge(layout.clientHeight, row.dpi), row.clientHeight);
    EXPECT_EQ(TwipsToPixels(layout.cancelButton.width * 15, row.dpi), row.buttonWidthTwips);
    EXPECT_EQ(TwipsToPixels(195, row.dpi), row.captionTwips);
    int digits = 0;
    for (int position = 0; position < 6; ++position)
      digits = digits * 10 + DesignPixelOf(position, row.dpi);
    EXPECT_EQ(digits, row.firstDesignPixels);
  }
}

}  // namespace
