#include "preview/preview_parenting.h"

PreviewParenting ParentPreview(PreviewParentingSteps& steps) {
  const std::optional<DpiAwareness> preview = steps.PreviewWindowAwareness();
  std::optional<DpiAwareness> own;
  if (preview && *preview != 0) own = steps.SetThreadAwareness(*preview);
  const bool made = steps.MakeFormAsChild();
  if (own && *own != 0) steps.SetThreadAwareness(*own);
  if (!made || !steps.FormIsChildOfPreview()) return PreviewParenting::kEnded;
  steps.ShowForm();
  return PreviewParenting::kShown;
}
