#include "preview/preview_parenting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DpiAwareness kUnaware = 0x11, kPerMonitor = 0x22;

// Plays the system: what each step gives, and the steps in the order they were taken.
class RecordingSteps final : public PreviewParentingSteps {
 public:
  std::optional<DpiAwareness> previewAwareness;
  bool canSetThread = true;
  bool formMade = true;
  bool formIsChild = true;
  DpiAwareness thread = kPerMonitor;
  std::string log;

  std::optional<DpiAwareness> PreviewWindowAwareness() override { return previewAwareness; }
  std::optional<DpiAwareness> SetThreadAwareness(DpiAwareness awareness) override {
    if (!canSetThread) return std::nullopt;
    log += awareness == kUnaware ? "unaware " : "own ";
    const DpiAwareness had = thread;
    thread = awareness;
    return had;
  }
  bool MakeFormAsChild() override {
    log += thread == kUnaware ? "made-unaware " : "made-own ";
    return formMade;
  }
  bool FormIsChildOfPreview() override { return formIsChild; }
  void ShowForm() override { log += "shown"; }
};

// The form is made in the preview window's awareness and the thread gets its own back; where
// the system cannot tell or set it, the form is made as before. A form the system did not take
// as the preview window's child, or could not make, is never shown.
TEST(PreviewParenting, FormMadeInThePreviewsAwarenessAndShownOnlyAsItsChild) {
  struct Row {
    const char* name;
    std::optional<DpiAwareness> previewAwareness;
    bool canSetThread, formMade, formIsChild;
    PreviewParenting outcome;
    const char* log;
  };
  const Row rows[] = {
      {"unaware preview", kUnaware, true, true, true, PreviewParenting::kShown,
       "unaware made-unaware own shown"},
      {"awareness unknown", std::nullopt, true, true, true, PreviewParenting::kShown,
       "made-own shown"},
      {"awareness null", DpiAwareness{0}, true, true, true, PreviewParenting::kShown,
       "made-own shown"},
      {"thread's not settable", kUnaware, false, true, true, PreviewParenting::kShown,
       "made-own shown"},
      {"not taken as child", kUnaware, true, true, false, PreviewParenting::kEnded,
       "unaware made-unaware own "},
      {"form not made", kUnaware, true, false, true, PreviewParenting::kEnded,
       "unaware made-unaware own "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingSteps steps;
    steps.previewAwareness = row.previewAwareness;
    steps.canSetThread = row.canSetThread;
    steps.formMade = row.formMade;
    steps.formIsChild = row.formIsChild;
    EXPECT_EQ(ParentPreview(steps), row.outcome);
    EXPECT_EQ(steps.log, row.log);
    EXPECT_EQ(steps.thread, kPerMonitor);
  }
}

}  // namespace
