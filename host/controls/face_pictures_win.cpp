#include "controls/face_pictures_win.h"

#include <array>

#include "resource_ids.h"

namespace {

constexpr std::size_t kFaceImageCount = 6;

// In the order of FaceImage.
constexpr std::array<int, kFaceImageCount> kResourceIds = {
    IDR_BUTTON_NORMAL,   IDR_BUTTON_HIGHLIGHT,        IDR_BUTTON_PRESSED,
    IDR_BUTTON_SELECTED, IDR_BUTTON_HIGHLIGHT_SELECT, IDR_BUTTON_DISABLE};

std::array<Picture, kFaceImageCount> LoadAll() {
  std::array<Picture, kFaceImageCount> pictures;
  for (std::size_t i = 0; i < kFaceImageCount; ++i)
    pictures[i] = LoadPictureResource(kResourceIds[i]);
  return pictures;
}

}  // namespace

const Picture& FacePicture(FaceImage image) {
  static const std::array<Picture, kFaceImageCount> pictures = LoadAll();
  return pictures[static_cast<std::size_t>(image)];
}
