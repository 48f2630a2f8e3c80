// Renders the preview still: a frame of the running saver's snow, drawn offscreen by the renderer's
// own flake system with the real flake texture, written as a binary PPM for make_preview.sh to
// shrink into the 152 x 112 JPEG of the display settings' preview area.
//
//   make_preview snow_flake.bmp out.ppm
#include <GL/osmesa.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "bitmap_header.h"
#include "frame_timer.h"
#include "image_record.h"
#include "projection.h"
#include "random.h"
#include "render_frame.h"
#include "renderer_state.h"
#include "snow_batch.h"
#include "texture.h"

namespace {

// Eight times the preview size. make_preview.sh keeps the middle half of each side, so the
// preview shows the flakes at about the size they have on a screen, and shrinks that fourfold,
// which gives them soft, anti-aliased edges.
constexpr int kWidth = 1216;
constexpr int kHeight = 896;
constexpr int kFramesPerSecond = 30;
constexpr int kSimulatedFrames = 5 * kFramesPerSecond;  // enough for several overlapping batches
constexpr unsigned int kSeed = 20261208;

class SteppingClock final : public TimeSource {
 public:
  bool CounterFrequency(std::int64_t& ticksPerSecond) const override {
    ticksPerSecond = kFramesPerSecond;
    return true;
  }
  std::int64_t Counter() const override { return frame; }
  std::uint32_t Milliseconds() const override { return 0; }
  std::int64_t frame = 0;
};

bool ReadTexture(const char* path, ImageRecord& image) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  const BitmapParse parse = ParseBitmap(bytes);
  const InfoHeader& header = parse.layout.header;
  if (parse.fault != BitmapFault::kNone || header.bitsPerPixel != 24 || header.compression != 0) {
    return false;
  }
  const std::int32_t rows = header.height < 0 ? -header.height : header.height;
  image.sizeX = header.width;
  image.sizeY = rows;
  image.data = std::make_unique<std::uint8_t[]>(static_cast<size_t>(header.width) * rows * 3);
  const std::span<const std::uint8_t> pixels(bytes.data() + parse.layout.pixelOffset,
                                             parse.layout.pixelLength);
  return CopySectionRows(pixels, header.width, rows, RowOrderOf(header.height),
                         {image.data.get(), static_cast<size_t>(header.width) * rows * 3});
}

bool WritePpm(const char* path, const std::vector<std::uint8_t>& rgba) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << kWidth << ' ' << kHeight << "\n255\n";
  // GL rows start at the bottom; a PPM starts at the top.
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      out.write(reinterpret_cast<const char*>(&rgba[(static_cast<size_t>(y) * kWidth + x) * 4]), 3);
    }
  }
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_preview snow_flake.bmp out.ppm\n");
    return 2;
  }
  ImageRecord image;
  if (!ReadTexture(argv[1], image)) {
    std::fprintf(stderr, "make_preview: %s is not a 24-bit bitmap\n", argv[1]);
    return 1;
  }
  std::vector<std::uint8_t> rgba(static_cast<size_t>(kWidth) * kHeight * 4);
  OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
  if (context == nullptr ||
      !OSMesaMakeCurrent(context, rgba.data(), GL_UNSIGNED_BYTE, kWidth, kHeight)) {
    std::fprintf(stderr, "make_preview: no OSMesa context\n");
    return 1;
  }
  SeedRandom(kSeed);
  ResizeScene(kWidth, kHeight);
  SteppingClock clock;
  RendererState state;
  state.textureName = MakeTexture(image);
  InitFlakes(state, clock);
  InitRenderState(state);
  for (int frame = 1; frame <= kSimulatedFrames; ++frame) {
    clock.frame = frame;
    state.AdvanceFrame();
    DrawFrame(state);
  }
  glFinish();
  const bool written = WritePpm(argv[2], rgba);
  OSMesaDestroyContext(context);
  return written ? 0 : 1;
}
