#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/button_face.h"
#include "controls/property_store.h"
#include "forms/mouse_button.h"

// Command: the owner-drawn push button of the settings dialog. It keeps a small visual state
// machine driven by the mouse, by focus changes and by a poll that notices when the pointer has
// left it, raises Click, and persists its properties in the container's stored layout. Every
// step that fails (a service that throws) is skipped and the next one runs; nothing escapes.

// The pointer poll's timer and the question it asks on every tick.
class PointerPoll {
 public:
  virtual ~PointerPoll() = default;
  virtual void Start(std::chrono::milliseconds period) = 0;
  // True when the window under the pointer is the control's own window. The caption has no
  // window of its own, so the pointer over it counts as over the control.
  virtual bool OverOwnWindow() = 0;
};

// What the form holding the control offers it.
class ButtonContainer {
 public:
  virtual ~ButtonContainer() = default;
  virtual void RaiseClick() = 0;
  // Tells the container that a persisted property changed, so that it saves its layout.
  virtual void PropertyChanged(std::wstring_view name) = 0;
  virtual ButtonFont AmbientFont() = 0;
};

// 0 until Initialize; then resting, hovered, focused, and focused with the pointer over it.
enum class ViewState : std::uint8_t {
  NotInitialized = 0,
  Resting,
  Hovered,
  Focused,
  FocusedHovered
};

// The keys that press a focused button, and whether a key-down is the first of its press or the
// keyboard's auto-repeat.
enum class ButtonKey { Space, Enter };
enum class KeyStroke { First, Repeat };

inline constexpr std::chrono::milliseconds kPointerPollPeriod{100};
// The control's design size, 1755 x 420 twips.
inline constexpr PixelSize kDesignSize{117, 28};
inline constexpr std::wstring_view kDefaultCaption = L"Command1";
inline constexpr std::uint8_t kVisibleOpaque = 255;

class Command {
 public:
  Command(ButtonFace& face, PointerPoll& pointer, ButtonContainer& container);

  // Called once by the container after its form has loaded: the hover look and poll start here.
  void Initialize();

  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& text);
  ButtonFont Font() const { return font_; }
  void SetFont(const ButtonFont& font);
  // Reading repaints the resting face too.
  std::uint32_t FontColour();
  void SetFontColour(std::uint32_t colour);
  // The first read of a control that never loaded its properties enables it.
  bool Enabled();
  void SetEnabled(bool enabled);
  // 255 opaque (and the resting face repainted), 0 transparent.
  std::uint8_t Visible();
  void SetVisible(std::uint8_t visible);

  // Notifications from the container and the control's window. The size is in pixels at the
  // dots per inch of the control's monitor.
  void SizeChanged(PixelSize size, int dpi = kDesignDpi);
  void FocusGained();
  void FocusLost();
  void MouseDown(MouseButton button);
  void MouseMoved();
  // A move during a press came from off the button (only a button that holds the mouse hears of
  // those): the pointer has left, and this press's release will raise no Click.
  void MouseMovedOff();
  // Raises Click for the release of a press that began on the button and never left it,
  // whatever look a poll has taken back meanwhile.
  void MouseUp(MouseButton button);
  // The press ended without a release over the button (the capture was taken away, or the
  // release came off it): the button is no longer held, and no Click.
  void PressAbandoned();
  // Space clicks on its release after a press, like the system's buttons; Enter on each press.
  // Neither changes the look.
  void KeyDown(ButtonKey key, KeyStroke stroke);
  void KeyUp(ButtonKey key);
  void PollTick();
  // The pointer is known to be off the button: what the poll does when it finds it elsewhere.
  void PointerLeft();
  void LoadProperties(PropertyStore& store);
  void SaveProperties(PropertyStore& store);

  // The state behind the looks, for the container and for tests.
  bool EnabledFlag() const { return enabledFlag_; }
  std::uint8_t FirstRunFlag() const { return firstRunFlag_; }
  ViewState CurrentViewState() const { return viewState_; }
  bool ButtonHeld() const { return buttonHeld_; }
  bool GradientReversed() const { return gradientReversed_; }
  BackgroundStyle Background() const { return background_; }

 private:
  // True when every step of the composition succeeded.
  bool PaintFace(FaceImage image);
  void ApplyEnabledLook();
  void ApplyRestingLook();
  // The face that belongs to the current state, as the state machine last painted it.
  FaceImage StateFace() const;
  void MoveTo(ViewState state, FaceImage image);
  bool SetCaptionColour(std::uint32_t colour);

  ButtonFace& face_;
  PointerPoll& pointer_;
  ButtonContainer& container_;

  bool enabledFlag_ = false;
  std::uint8_t firstRunFlag_ = 0;
  ViewState viewState_ = ViewState::NotInitialized;
  bool buttonHeld_ = false;
  // A mouse button went down on the control and has not come up; and whether the pointer left
  // the control since it went down.
  bool pressed_ = false;
  bool leftDuringPress_ = false;
  bool spaceHeld_ = false;
  bool gradientReversed_ = false;

  PixelSize size_ = kDesignSize;
  int dpi_ = kDesignDpi;
  std::wstring caption_ = L"Command";
  ButtonFont font_ = DesignFont();
  std::uint32_t captionColour_ = 0;
  BackgroundStyle background_ = BackgroundStyle::Opaque;
};
