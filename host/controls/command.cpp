#include "controls/command.h"

#include <exception>
#include <limits>

namespace {

constexpr std::int32_t kStoredOpaque = 1;
constexpr std::int32_t kStoredTransparent = 0;
constexpr std::int32_t kDefaultFirstRun = 1;
constexpr std::int32_t kDefaultFontColour = 0;
constexpr std::uint32_t kBlack = 0;

// Runs one step of an operation; a failing step is skipped. False when it failed.
template <typename Step>
bool Try(Step&& step) {
  try {
    step();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// The stored value as T; throws when the store holds another kind of value.
template <typename T>
T ReadAs(PropertyStore& store, std::wstring_view name, const T& fallback) {
  return std::get<T>(store.Read(name, PropertyValue(fallback)));
}

}  // namespace

Command::Command(ButtonFace& face, PointerPoll& pointer, ButtonContainer& container)
    : face_(face), pointer_(pointer), container_(container) {}

void Command::Initialize() {
  viewState_ = ViewState::Resting;
  Try([&] { pointer_.Start(kPointerPollPeriod); });
}

void Command::SetCaption(const std::wstring& text) {
  Try([&] {
    face_.SetCaptionText(text);
    caption_ = text;
  });
  Try([&] { container_.PropertyChanged(L"Caption"); });
}

void Command::SetFont(const ButtonFont& font) {
  Try([&] {
    face_.SetCaptionFont(font);
    font_ = font;
  });
  Try([&] { container_.PropertyChanged(L"Font"); });
}

std::uint32_t Command::FontColour() {
  const std::uint32_t colour = captionColour_;
  ApplyRestingLook();
  return colour;
}

void Command::SetFontColour(std::uint32_t colour) {
  SetCaptionColour(colour);
  ApplyRestingLook();
  Try([&] { container_.PropertyChanged(L"FontColour"); });
}

bool Command::Enabled() {
  if (firstRunFlag_ == 0) {
    ApplyRestingLook();
    firstRunFlag_ = 1;
    enabledFlag_ = true;
  }
  ApplyEnabledLook();
  return enabledFlag_;
}

void Command::SetEnabled(bool enabled) {
  enabledFlag_ = enabled;
  Try([&] { container_.PropertyChanged(L"Enabled"); });
  ApplyEnabledLook();
}

std::uint8_t Command::Visible() {
  if (background_ != BackgroundStyle::Opaque) return 0;
  ApplyRestingLook();
  return kVisibleOpaque;
}

void Command::SetVisible(std::uint8_t visible) {
  const BackgroundStyle style =
      visible != 0 ? BackgroundStyle::Opaque : BackgroundStyle::Transparent;
  Try([&] {
    face_.SetBackground(style);
    background_ = style;
  });
  if (style == BackgroundStyle::Opaque) ApplyRestingLook();
  Try([&] { container_.PropertyChanged(L"Visible"); });
}

void Command::SizeChanged(PixelSize size, int dpi) {
  size_ = size;
  dpi_ = dpi;
  ApplyEnabledLook();
}

void Command::FocusGained() {
  if (!enabledFlag_) return;
  // Hovered at the moment of focus: typically the press of a click that brings the focus.
  if (viewState_ == ViewState::Hovered) {
    MoveTo(ViewState::FocusedHovered, FaceImage::Pressed);
  } else {
    MoveTo(ViewState::Focused, FaceImage::Selected);
  }
}

void Command::FocusLost() {
  // A Space released after the focus moved on belongs to another control.
  spaceHeld_ = false;
  if (!enabledFlag_) {
    // Nothing to paint, but the focus is gone: once enabled again, a click must not be taken for
    // one that only brings the focus back.
    if (viewState_ == ViewState::Focused) viewState_ = ViewState::Resting;
    if (viewState_ == ViewState::FocusedHovered) viewState_ = ViewState::Hovered;
    return;
  }
  if (viewState_ == ViewState::Resting) return;
  MoveTo(ViewState::Resting, FaceImage::Normal);
}

void Command::MouseDown(MouseButton button) {
  if (!enabledFlag_) return;
  pressed_ = true;
  leftDuringPress_ = false;
  if (button != MouseButton::Left) return;
  buttonHeld_ = true;
  PaintFace(FaceImage::Pressed);
}

void Command::MouseMoved() {
  if (!enabledFlag_) return;
  if (viewState_ == ViewState::Resting) MoveTo(ViewState::Hovered, FaceImage::HighLight);
  // A held button that left while focused does not take the hover look back on its return.
  if (viewState_ == ViewState::Focused && !buttonHeld_) {
    MoveTo(ViewState::FocusedHovered, FaceImage::HighLightSelect);
  }
}

void Command::MouseMovedOff() {
  if (pressed_) leftDuringPress_ = true;
  PointerLeft();
}

void Command::MouseUp(MouseButton button) {
  if (!enabledFlag_) return;
  const bool clicks = pressed_ && !leftDuringPress_;
  pressed_ = false;
  if (button == MouseButton::Left) {
    buttonHeld_ = false;
    // The release came over the button, so the pointer is there whatever a poll last read.
    if (clicks && viewState_ == ViewState::Resting) viewState_ = ViewState::Hovered;
    if (clicks && viewState_ == ViewState::Focused) viewState_ = ViewState::FocusedHovered;
    if (clicks) PaintFace(StateFace());
  }
  if (clicks) Try([&] { container_.RaiseClick(); });
}

void Command::PressAbandoned() {
  pressed_ = false;
  if (!buttonHeld_) return;
  buttonHeld_ = false;
  if (enabledFlag_) PaintFace(StateFace());
}

void Command::KeyDown(ButtonKey key, KeyStroke stroke) {
  if (!enabledFlag_) return;
  if (key == ButtonKey::Space) {
    spaceHeld_ = true;
  } else if (stroke == KeyStroke::First) {
    Try([&] { container_.RaiseClick(); });
  }
}

void Command::KeyUp(ButtonKey key) {
  if (key != ButtonKey::Space || !spaceHeld_) return;
  spaceHeld_ = false;
  if (enabledFlag_) Try([&] { container_.RaiseClick(); });
}

void Command::PollTick() {
  // Only a hovered look can be taken back; in any other state the answer would change nothing,
  // so an idle dialog asks the system nothing.
  if (!enabledFlag_ ||
      (viewState_ != ViewState::Hovered && viewState_ != ViewState::FocusedHovered)) {
    return;
  }
  bool over = true;
  if (!Try([&] { over = pointer_.OverOwnWindow(); })) return;
  if (!over) PointerLeft();
}

void Command::LoadProperties(PropertyStore& store) {
  Try([&] { enabledFlag_ = ReadAs<bool>(store, L"Enabled", true); });
  Try([&] {
    const std::wstring text =
        ReadAs<std::wstring>(store, L"Caption", std::wstring(kDefaultCaption));
    face_.SetCaptionText(text);
    caption_ = text;
  });
  Try([&] {
    const ButtonFont font = ReadAs<ButtonFont>(store, L"Font", container_.AmbientFont());
    face_.SetCaptionFont(font);
    font_ = font;
  });
  Try([&] {
    const std::int32_t firstRun = ReadAs<std::int32_t>(store, L"FirstRun", kDefaultFirstRun);
    // A value that does not fit the byte is refused like any other failing read.
    if (firstRun >= 0 && firstRun <= std::numeric_limits<std::uint8_t>::max()) {
      firstRunFlag_ = static_cast<std::uint8_t>(firstRun);
    }
  });
  Try([&] {
    SetCaptionColour(
        static_cast<std::uint32_t>(ReadAs<std::int32_t>(store, L"FontColour", kDefaultFontColour)));
  });
  Try([&] {
    const bool opaque = ReadAs<std::int32_t>(store, L"Visible", kStoredOpaque) != 0;
    const BackgroundStyle style = opaque ? BackgroundStyle::Opaque : BackgroundStyle::Transparent;
    face_.SetBackground(style);
    background_ = style;
  });
  ApplyRestingLook();
}

void Command::SaveProperties(PropertyStore& store) {
  Try([&] { store.Write(L"Enabled", enabledFlag_); });
  Try([&] { store.Write(L"Caption", caption_); });
  Try([&] { store.Write(L"FirstRun", std::int32_t{firstRunFlag_}); });
  Try([&] { store.Write(L"Font", font_); });
  Try([&] { store.Write(L"FontColour", static_cast<std::int32_t>(captionColour_)); });
  Try([&] {
    const bool opaque = background_ == BackgroundStyle::Opaque;
    store.Write(L"Visible", opaque ? kStoredOpaque : kStoredTransparent);
  });
  ApplyRestingLook();
}

bool Command::PaintFace(FaceImage image) {
  // States 0 and 4 keep the last direction: 4 entered by a focus gain while hovered stays
  // reversed, 4 entered by a move while focused stays resting.
  if (viewState_ == ViewState::Resting || viewState_ == ViewState::Focused) {
    gradientReversed_ = false;
  } else if (viewState_ == ViewState::Hovered) {
    gradientReversed_ = true;
  }
  const FaceComposition composition{image, gradientReversed_,
                                    FillGradient(size_, gradientReversed_), FacePieces(size_, dpi_),
                                    dpi_};
  const bool composed = Try([&] { face_.Compose(composition); });
  const bool placed = Try([&] { face_.PlaceCaption(PlaceCaption(size_, dpi_)); });
  return composed && placed;
}

void Command::ApplyEnabledLook() {
  if (enabledFlag_) {
    PaintFace(FaceImage::Normal);
    Try([&] { face_.SetCaptionLook(CaptionLook::Enabled); });
  } else {
    PaintFace(FaceImage::Disable);
    Try([&] { face_.SetCaptionLook(CaptionLook::Greyed); });
  }
}

void Command::ApplyRestingLook() {
  if (!enabledFlag_) return;
  // A failing step leaves the caption black, whatever colour it had.
  if (!Try([&] { face_.SetCaptionLook(CaptionLook::Enabled); })) SetCaptionColour(kBlack);
  if (firstRunFlag_ == 0) SetCaptionColour(kBlack);
  if (!PaintFace(FaceImage::Normal)) SetCaptionColour(kBlack);
}

void Command::PointerLeft() {
  if (!enabledFlag_) return;
  if (viewState_ == ViewState::Hovered)
    MoveTo(ViewState::Resting, FaceImage::Normal);
  else if (viewState_ == ViewState::FocusedHovered)
    MoveTo(ViewState::Focused, FaceImage::Selected);
}

FaceImage Command::StateFace() const {
  switch (viewState_) {
    case ViewState::Hovered:
      return FaceImage::HighLight;
    case ViewState::Focused:
      return FaceImage::Selected;
    case ViewState::FocusedHovered:
      return FaceImage::HighLightSelect;
    default:
      return FaceImage::Normal;
  }
}

void Command::MoveTo(ViewState state, FaceImage image) {
  viewState_ = state;
  PaintFace(image);
}

bool Command::SetCaptionColour(std::uint32_t colour) {
  return Try([&] {
    face_.SetCaptionColour(colour);
    captionColour_ = colour;
  });
}
