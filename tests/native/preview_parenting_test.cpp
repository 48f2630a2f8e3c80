#include "preview/preview_parenting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DpiAwareness kUnaware = 0x11, kPerMonitor = 0x22;

// Plays the system: what each step gives, and the steps in the order they were taken.
class RecordingSteps final : public PreviewParentingSteps {
 public:
  struct Gives {
    std::optional<DpiAwareness> previewAwareness;
    bool canSetThread, formMade, formIsChild;
  };
  explicit RecordingSteps(const Gives& gives) : gives_(gives) {}
  DpiAwareness thread = kPerMonitor;
  std::string log;

  std::optional<DpiAwareness> PreviewWindowAwareness() override { return gives_.previewAwareness; }
  std::optional<DpiAwareness> SetThreadAwareness(DpiAwareness awareness) override {
    if (!gives_.canSetThread) return std::nullopt;
    log += awareness == kUnaware ? "unaware " : "own ";
    const DpiAwareness had = thread;
    thread = awareness;
    return had;
  }
  bool MakeFormAsChild() override {
    log += thread == kUnaware ? "made-unaware " : "made-own ";
    return gives_.formMade;
  }
  bool FormIsChildOfPreview() override { return gives_.formIsChild; }
  void ShowForm() override { log += "shown"; }

 private:
  Gives gives_;
};

// The form is made in the preview window's awareness and the thread gets its own back; where
// the system cannot tell or set it, the form is made as before. A form the system did not take
// as the preview window's child, or could not make, is never shown.
TEST(PreviewParenting, FormMadeInThePreviewsAwarenessAndShownOnlyAsItsChild) {
  constexpr auto kShown = PreviewParenting::kShown, kEnded = PreviewParenting::kEnded;
  const struct {
    const char* name;
    RecordingSteps::Gives gives;  // preview's awareness, thread settable, form made, child
    PreviewParenting outcome;
    const char* log;
  } rows[] = {
      {"unaware preview", {kUnaware, true, true, true}, kShown, "unaware made-unaware own shown"},
      {"awareness unknown", {std::nullopt, true, true, true}, kShown, "made-own shown"},
      {"awareness null", {DpiAwareness{0}, true, true, true}, kShown, "made-own shown"},
      {"thread's not settable", {kUnaware, false, true, true}, kShown, "made-own shown"},
      {"not taken as child", {kUnaware, true, true, false}, kEnded, "unaware made-unaware own "},
      {"form not made", {kUnaware, true, false, true}, kEnded, "unaware made-unaware own "},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingSteps steps(row.gives);
    EXPECT_EQ(ParentPreview(steps), row.outcome);
    EXPECT_EQ(steps.log, row.log);
    EXPECT_EQ(steps.thread, kPerMonitor);
  }
}

}  // namespace
