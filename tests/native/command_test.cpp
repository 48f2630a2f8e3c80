// The owner-drawn button's state machine over a recording painter: which face each notification
// paints, in which gradient direction, when Click is raised, and what loading and saving do.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <utility>

#include "controls/command.h"

namespace {

using Calls = std::vector<std::string>;

const char* ImageName(FaceImage image) {
  static const char* const kNames[] = {"Normal",   "HighLight",       "Pressed",
                                       "Selected", "HighLightSelect", "Disable"};
  return kNames[static_cast<int>(image)];
}

// Logs every face call; "~" marks a reversed gradient. A named call can be made to throw.
class RecordingFace final : public ButtonFace {
 public:
  Calls calls;
  std::string failing;
  FaceComposition last;
  CaptionBox caption;

  void Compose(const FaceComposition& face) override {
    Log(std::string(ImageName(face.image)) + (face.gradientReversed ? "~" : ""));
    last = face;
  }
  void PlaceCaption(const CaptionBox& box) override { caption = box; }
  void SetCaptionLook(CaptionLook look) override {
    Log(look == CaptionLook::Enabled ? "caption" : "greyed");
  }
  void SetCaptionColour(std::uint32_t colour) override { Log("colour " + std::to_string(colour)); }
  void SetCaptionText(const std::wstring&) override { Log("text"); }
  void SetCaptionFont(const ButtonFont&) override { Log("font"); }
  void SetBackground(BackgroundStyle style) override {
    Log(style == BackgroundStyle::Opaque ? "opaque" : "transparent");
  }
  Calls Take() { return std::exchange(calls, {}); }

 private:
  void Log(const std::string& call) {
    if (call.rfind(failing, 0) == 0 && !failing.empty()) throw std::runtime_error(call);
    calls.push_back(call);
  }
};

class FakePointer final : public PointerPoll {
 public:
  std::vector<std::chrono::milliseconds> starts;
  bool over = true;
  int questions = 0;
  void Start(std::chrono::milliseconds period) override { starts.push_back(period); }
  bool OverOwnWindow() override {
    ++questions;
    return over;
  }
};

class FakeContainer final : public ButtonContainer {
 public:
  int clicks = 0;
  std::vector<std::wstring> changed;
  ButtonFont ambient{L"Ambient", 12.0, 700, 1, true, false, false, false};
  void RaiseClick() override { ++clicks; }
  void PropertyChanged(std::wstring_view name) override { changed.emplace_back(name); }
  ButtonFont AmbientFont() override { return ambient; }
};

class CommandTest : public ::testing::Test {
 protected:
  // A dialog's button: loaded from an empty layout, sized and initialised, log cleared.
  void Ready() {
    button_.LoadProperties(bag_);
    button_.SizeChanged({81, 25});
    button_.Initialize();
    face_.Take();
  }
  RecordingFace face_;
  FakePointer pointer_;
  FakeContainer container_;
  PropertyBag bag_;
  Command button_{face_, pointer_, container_};
};

TEST_F(CommandTest, ClickOnAnUnfocusedButtonThenRightButtonThenResize) {
  Ready();
  button_.MouseMoved();
  button_.FocusGained();  // the press brings the focus before it is handled
  button_.MouseDown(MouseButton::Left);
  EXPECT_TRUE(button_.ButtonHeld());
  button_.MouseUp(MouseButton::Left);
  EXPECT_EQ(face_.Take(), (Calls{"HighLight~", "Pressed~", "Pressed~", "HighLightSelect~"}));
  EXPECT_EQ(button_.CurrentViewState(), ViewState::FocusedHovered);
  EXPECT_FALSE(button_.ButtonHeld());
  EXPECT_EQ(container_.clicks, 1);
  EXPECT_EQ(face_.last.vertices[1].x, 80);  // laid out for the size last notified
  EXPECT_EQ(face_.caption.topTwips, 80.0);

  button_.MouseDown(MouseButton::Right);  // no pressed look, but its release clicks
  button_.MouseUp(MouseButton::Right);
  EXPECT_TRUE(face_.Take().empty());
  EXPECT_EQ(container_.clicks, 2);

  button_.SizeChanged({29, 25});  // the resting face, relaid, in the state's old direction
  EXPECT_EQ(face_.Take(), (Calls{"Normal~", "caption"}));
  EXPECT_EQ(button_.CurrentViewState(), ViewState::FocusedHovered);
  EXPECT_EQ(face_.last.pieces, FacePieces({29, 25}));
  EXPECT_EQ(face_.caption.widthTwips, 435);
}

TEST_F(CommandTest, ReleasingAfterDraggingOffRaisesNoClickEvenWhenBackOn) {
  Ready();
  button_.FocusGained();
  button_.MouseMoved();
  button_.MouseDown(MouseButton::Left);
  button_.PollTick();       // still over it
  button_.MouseMovedOff();  // a move under the capture, from off the button
  pointer_.over = false;
  button_.PollTick();  // nothing more to do once focused and away: nothing asked
  EXPECT_EQ(pointer_.questions, 1);
  EXPECT_EQ(face_.Take(), (Calls{"Selected", "HighLightSelect", "Pressed", "Selected"}));
  button_.MouseMoved();  // back on while held: stays focused
  EXPECT_EQ(button_.CurrentViewState(), ViewState::Focused);
  button_.MouseUp(MouseButton::Left);
  EXPECT_TRUE(face_.Take().empty());
  EXPECT_EQ(container_.clicks, 0);
  button_.MouseMoved();  // released: the hover look comes back
  EXPECT_EQ(face_.Take(), (Calls{"HighLightSelect"}));
}

// Whether a release clicks is decided by what happened during its own press: a poll that read
// the pointer where it stood a moment ago takes a look back, but not the click.
TEST_F(CommandTest, ReleaseClicksWhenItsPressNeverLeftTheButton) {
  // m moved over, o moved off under the capture, p a poll that finds the pointer away, f focus
  // gained, l focus lost, d/u left down/up, D/E disabled/enabled.
  const struct {
    const char* name;
    const char* events;
    int clicks;
    ViewState state;
  } rows[] = {
      {"hover taken back before the press", "mpfdu", 1, ViewState::FocusedHovered},
      {"hover taken back during the press", "mfdpu", 1, ViewState::FocusedHovered},
      {"dragged off", "mfdou", 0, ViewState::Focused},
      {"release of a press made elsewhere", "mu", 0, ViewState::Hovered},
      {"focus lost while disabled", "fDlEmfdu", 1, ViewState::FocusedHovered},
      {"focus lost while disabled and hovered", "mfDlEdu", 1, ViewState::Hovered},
  };
  for (const auto& row : rows) {
    Command button(face_, pointer_, container_);
    button.LoadProperties(bag_);
    button.Initialize();
    const std::map<char, std::function<void()>> events = {
        {'m', [&] { button.MouseMoved(); }},
        {'o', [&] { button.MouseMovedOff(); }},
        {'p', [&] { button.PollTick(); }},
        {'f', [&] { button.FocusGained(); }},
        {'l', [&] { button.FocusLost(); }},
        {'d', [&] { button.MouseDown(MouseButton::Left); }},
        {'u', [&] { button.MouseUp(MouseButton::Left); }},
        {'D', [&] { button.SetEnabled(false); }},
        {'E', [&] { button.SetEnabled(true); }},
    };
    container_.clicks = 0;
    for (const char* e = row.events; *e != '\0'; ++e) {
      pointer_.over = *e != 'p';
      events.at (*e)();
    }
    EXPECT_EQ(container_.clicks, row.clicks) << row.name;
    EXPECT_EQ(button.CurrentViewState(), row.state) << row.name;
  }
}

TEST_F(CommandTest, ClickThatBringsNoFocusGoesBackToTheHoverLook) {
  Ready();
  button_.MouseMoved();
  button_.MouseDown(MouseButton::Left);
  button_.MouseUp(MouseButton::Left);
  EXPECT_EQ(face_.Take(), (Calls{"HighLight~", "Pressed~", "HighLight~"}));
  EXPECT_EQ(button_.CurrentViewState(), ViewState::Hovered);
  EXPECT_EQ(container_.clicks, 1);
}

TEST_F(CommandTest, DisabledButtonIgnoresAllButSizeChanges) {
  Ready();
  button_.MouseMoved();
  button_.SetEnabled(false);
  EXPECT_EQ(face_.Take(), (Calls{"HighLight~", "Disable~", "greyed"}));
  EXPECT_EQ(container_.changed, (std::vector<std::wstring>{L"Enabled"}));
  pointer_.over = false;
  button_.PollTick();
  button_.FocusGained();
  button_.FocusLost();
  button_.MouseDown(MouseButton::Left);
  button_.MouseUp(MouseButton::Left);
  EXPECT_TRUE(face_.Take().empty());
  EXPECT_EQ(container_.clicks, 0);
  EXPECT_EQ(button_.CurrentViewState(), ViewState::Hovered);
  button_.SizeChanged({29, 25});
  EXPECT_EQ(face_.Take(), (Calls{"Disable~", "greyed"}));
  EXPECT_FALSE(button_.Enabled());
}

TEST_F(CommandTest, BeforeInitializeThereIsNoHoverButFocusStillShows) {
  button_.LoadProperties(bag_);
  EXPECT_TRUE(pointer_.starts.empty());
  face_.Take();
  button_.MouseMoved();
  EXPECT_TRUE(face_.Take().empty());
  button_.FocusGained();
  EXPECT_EQ(face_.Take(), (Calls{"Selected"}));
  button_.Initialize();
  EXPECT_EQ(pointer_.starts, (std::vector<std::chrono::milliseconds>{kPointerPollPeriod}));
  EXPECT_EQ(pointer_.starts[0].count(), 100);
  EXPECT_TRUE(face_.Take().empty());  // Initialize does not repaint
}

TEST_F(CommandTest, EmptyLayoutLoadsDefaultsAndSavesThemBackInOrder) {
  button_.LoadProperties(bag_);
  EXPECT_EQ(face_.last.image, FaceImage::Normal);
  EXPECT_TRUE(button_.EnabledFlag());
  EXPECT_EQ(button_.Caption(), L"Command1");
  EXPECT_EQ(button_.Font(), container_.ambient);
  EXPECT_EQ(button_.FirstRunFlag(), 1);
  EXPECT_TRUE(container_.changed.empty());

  button_.SaveProperties(bag_);
  std::vector<std::wstring> names;
  for (const auto& entry : bag_.Entries()) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Enabled", L"Caption", L"FirstRun", L"Font",
                                              L"FontColour", L"Visible"}));
  EXPECT_EQ(bag_.Read(L"VISIBLE", false), PropertyValue(std::int32_t{1}));
  EXPECT_EQ(bag_.Read(L"font", false), PropertyValue(container_.ambient));
}

TEST_F(CommandTest, StoredLayoutIsMatchedWithoutCaseAndBadValuesAreSkipped) {
  ButtonFont heavy = DesignFont();
  heavy.sizePoints = 14.25;
  heavy.weight = 700;
  bag_.Write(L"enabled", std::wstring(L"yes"));  // not a boolean: the read is skipped
  bag_.Write(L"caption", std::wstring(L"設定"));
  bag_.Write(L"font", heavy);
  bag_.Write(L"fontcolour", std::int32_t{0xFF});
  bag_.Write(L"visible", std::int32_t{0});
  button_.LoadProperties(bag_);
  EXPECT_FALSE(button_.EnabledFlag());
  EXPECT_EQ(button_.Caption(), L"設定");
  EXPECT_EQ(button_.Font(), heavy);
  EXPECT_EQ(button_.FontColour(), 0xFFu);
  EXPECT_EQ(button_.Background(), BackgroundStyle::Transparent);
}

// A stored FirstRun is taken when it fits the byte and refused otherwise, which keeps the flag
// the button had (1, from a first load of the defaults).
TEST_F(CommandTest, StoredFirstRunIsTakenOnlyWithinTheByte) {
  const std::pair<std::int32_t, int> rows[] = {{0, 0}, {255, 255}, {256, 1}, {-1, 1}};
  for (const auto& [stored, flag] : rows) {
    Command button(face_, pointer_, container_);
    button.LoadProperties(bag_);
    PropertyBag layout;
    layout.Write(L"FirstRun", stored);
    button.LoadProperties(layout);
    EXPECT_EQ(button.FirstRunFlag(), flag) << stored;
  }
}

TEST_F(CommandTest, FirstRunEnablesOnTheFirstReadAndForcesABlackCaptionUntilThen) {
  EXPECT_EQ(button_.Visible(), kVisibleOpaque);
  EXPECT_EQ(button_.FontColour(), 0u);
  EXPECT_TRUE(face_.Take().empty());  // never loaded: disabled, nothing drawn
  button_.SetEnabled(true);           // enabled, yet the first run is still on
  button_.SetFontColour(0x00FF00);
  EXPECT_EQ(face_.Take(),
            (Calls{"Normal", "caption", "colour 65280", "caption", "colour 0", "Normal"}));
  EXPECT_EQ(container_.changed, (std::vector<std::wstring>{L"Enabled", L"FontColour"}));
  button_.SetEnabled(false);
  face_.Take();
  EXPECT_TRUE(button_.Enabled());  // the first read turns it on
  EXPECT_EQ(button_.FirstRunFlag(), 1);
  EXPECT_EQ(face_.Take(), (Calls{"Normal", "caption"}));
}

TEST_F(CommandTest, VisibleZeroIsTransparentAndNonZeroRepaints) {
  Ready();
  button_.SetVisible(0);
  EXPECT_EQ(button_.Visible(), 0);
  EXPECT_EQ(face_.Take(), (Calls{"transparent"}));
  button_.SetVisible(7);
  EXPECT_EQ(face_.Take(), (Calls{"opaque", "caption", "Normal"}));
  EXPECT_EQ(button_.Visible(), kVisibleOpaque);
  EXPECT_EQ(face_.Take(), (Calls{"caption", "Normal"}));
  EXPECT_EQ(container_.changed, (std::vector<std::wstring>{L"Visible", L"Visible"}));
}

TEST_F(CommandTest, AFailingPaintLeavesTheCaptionBlackAndTheStepsGoOn) {
  Ready();
  button_.SetFontColour(0xFF);
  face_.Take();
  face_.failing = "Normal";
  EXPECT_EQ(button_.FontColour(), 0xFFu);
  EXPECT_EQ(face_.Take(), (Calls{"caption", "colour 0"}));
  face_.failing = "colour";
  button_.SetFontColour(0xFF);  // the colour is refused; the resting look still runs
  EXPECT_EQ(face_.Take(), (Calls{"caption", "Normal"}));
  EXPECT_EQ(button_.FontColour(), 0u);
}

// A press whose release never comes over the button (the capture taken away, or the release off
// it) lets go of the button and shows the state's own face; there is no Click.
TEST_F(CommandTest, AbandonedPressLetsGoWithoutClick) {
  Ready();
  button_.MouseMoved();
  button_.FocusGained();
  button_.MouseDown(MouseButton::Left);
  face_.Take();
  button_.PressAbandoned();
  EXPECT_FALSE(button_.ButtonHeld());
  EXPECT_EQ(face_.Take(), (Calls{"HighLightSelect~"}));
  button_.PressAbandoned();  // nothing held: nothing to do
  button_.PointerLeft();
  button_.MouseMoved();  // no longer held, so the hover look comes back
  EXPECT_EQ(face_.Take(), (Calls{"Selected", "HighLightSelect"}));
  EXPECT_EQ(container_.clicks, 0);
}

struct KeyCase {
  const char* name;
  bool enabled;
  std::vector<std::pair<char, ButtonKey>> strokes;  // 'd' down, 'r' repeated down, 'u' up
  int clicks;
};

TEST_F(CommandTest, SpaceClicksOnReleaseAndEnterOncePerPressOnlyWhenEnabled) {
  const KeyCase cases[] = {
      {"space down and up", true, {{'d', ButtonKey::Space}, {'u', ButtonKey::Space}}, 1},
      {"space held", true, {{'d', ButtonKey::Space}, {'r', ButtonKey::Space}}, 0},
      {"space up alone", true, {{'u', ButtonKey::Space}}, 0},
      {"enter with repeats",
       true,
       {{'d', ButtonKey::Enter}, {'r', ButtonKey::Enter}, {'u', ButtonKey::Enter}},
       1},
      {"enter twice", true, {{'d', ButtonKey::Enter}, {'d', ButtonKey::Enter}}, 2},
      {"disabled space", false, {{'d', ButtonKey::Space}, {'u', ButtonKey::Space}}, 0},
      {"disabled enter", false, {{'d', ButtonKey::Enter}}, 0},
  };
  Ready();
  for (const KeyCase& c : cases) {
    button_.SetEnabled(c.enabled);
    container_.clicks = 0;
    for (const auto& [stroke, key] : c.strokes) {
      if (stroke == 'u')
        button_.KeyUp(key);
      else
        button_.KeyDown(key, stroke == 'd' ? KeyStroke::First : KeyStroke::Repeat);
    }
    EXPECT_EQ(container_.clicks, c.clicks) << c.name;
    button_.KeyUp(ButtonKey::Space);  // leave no Space held for the next case
  }
  face_.Take();
  container_.clicks = 0;
  button_.SetEnabled(true);
  button_.KeyDown(ButtonKey::Space, KeyStroke::First);
  button_.FocusLost();  // the release goes to whatever has the focus now
  button_.KeyUp(ButtonKey::Space);
  EXPECT_EQ(container_.clicks, 0);
  EXPECT_EQ(face_.Take(), (Calls{"Normal", "caption"}));  // keys change no look
}

}  // namespace
