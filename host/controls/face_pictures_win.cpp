#include "controls/face_pictures_win.h"

#include <array>
#include <map>

#include "controls/face_art.h"
#include "forms/picture_making_win.h"
#include "resource_ids.h"

namespace {

constexpr std::size_t kFaceImageCount = 6;
using FaceSet = std::array<Picture, kFaceImageCount>;

// In the order of FaceImage.
constexpr std::array<int, kFaceImageCount> kResourceIds = {
    IDR_BUTTON_NORMAL,   IDR_BUTTON_HIGHLIGHT,        IDR_BUTTON_PRESSED,
    IDR_BUTTON_SELECTED, IDR_BUTTON_HIGHLIGHT_SELECT, IDR_BUTTON_DISABLE};

FaceSet MakeSet(int dpi) {
  FaceSet pictures;
  for (std::size_t i = 0; i < kFaceImageCount; ++i) {
    pictures[i] = dpi == kDesignDpi ? LoadPictureResource(kResourceIds[i])
                                    : PictureOfArt(FaceArt(static_cast<FaceImage>(i), dpi));
  }
  return pictures;
}

}  // namespace

const Picture& FacePicture(FaceImage image, int dpi) {
  // One set per resolution seen: a dialog moved between two monitors draws both.
  static std::map<int, FaceSet> sets;
  auto found = sets.find(dpi);
  if (found == sets.end()) found = sets.emplace(dpi, MakeSet(dpi)).first;
  return found->second[static_cast<std::size_t>(image)];
}
