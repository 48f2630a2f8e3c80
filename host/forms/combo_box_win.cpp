#include "forms/combo_box_win.h"

#include "forms/dpi_scale.h"
#include "forms/window_dpi_win.h"

namespace {

constexpr int kListHeightPixels = 160;

}  // namespace

ComboBox::~ComboBox() {
  // The font must outlive the window that draws with it.
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
}

bool ComboBox::Create(HWND parent, RECT design, const FontDescription& font) {
  // Without CBS_AUTOHSCROLL the box would take no more text than its narrow field shows.
  window_ = CreateWindowExW(
      0, L"COMBOBOX", L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0, 0, 0,
      parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr) return false;
  design_ = design;
  const int dpi = JoinFormOf(parent);
  font_ = ScaledFont(font, dpi);
  SetDpi(dpi);
  return true;
}

void ComboBox::SetDpi(int dpi) {
  if (window_ == nullptr) return;
  // The box lets go of the old font before it is deleted.
  SendMessageW(window_, WM_SETFONT, 0, FALSE);
  font_.SetDpi(dpi);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  const RECT bounds = ScaledRect(design_, dpi);
  MoveWindow(window_, bounds.left, bounds.top, bounds.right - bounds.left,
             bounds.bottom - bounds.top + ScaleEdge(kListHeightPixels, dpi), TRUE);
}

void ComboBox::SetText(const std::wstring& text) {
  if (window_ != nullptr) SetWindowTextW(window_, text.c_str());
}

std::wstring ComboBox::Text() const {
  if (window_ == nullptr) return L"";
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void ComboBox::SetList(const std::vector<std::wstring>& entries) {
  if (window_ == nullptr) return;
  // Filling the list leaves the typed text alone.
  for (const std::wstring& entry : entries) {
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
}

void ComboBox::SetEnabled(bool enabled) {
  if (window_ != nullptr) EnableWindow(window_, enabled ? TRUE : FALSE);
}
