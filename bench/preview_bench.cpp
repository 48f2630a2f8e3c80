// Frame cost of the preview's snow: the settled snow stepped by 1/30 s and splatted into a pixel
// buffer of the preview area's size, as the host's preview does it before its one blit, with the
// real flake picture. Prints the median and 99th-percentile frame of many for each size, in
// processor time of the drawing thread.
//
//   preview_bench [snow_flake.bmp] [--frames N]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <time.h>

#include "bitmap_header.h"
#include "image_record.h"
#include "preview/preview_snow.h"
#include "random.h"

namespace {

using Clock = PreviewSnow::Clock;

constexpr auto kFrame = std::chrono::microseconds(33'333);

// Processor time of this thread: other programs on a busy machine do not count in it.
double ThreadMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// The 24-bit flake picture as 0x00RRGGBB pixels, top row first; empty when unreadable.
FlakeSprite ReadSprite(const char* path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  const BitmapParse parse = ParseBitmap(bytes);
  const InfoHeader& header = parse.layout.header;
  if (parse.fault != BitmapFault::kNone || header.bitsPerPixel != 24 || header.compression != 0) {
    return FlakeSprite(0, 0, {});
  }
  const std::int32_t width = header.width;
  const std::int32_t rows = std::abs(header.height);
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * rows * 3);
  const std::span<const std::uint8_t> section(bytes.data() + parse.layout.pixelOffset,
                                              parse.layout.pixelLength);
  if (!CopySectionRows(section, width, rows, RowOrderOf(header.height), rgb)) {
    return FlakeSprite(0, 0, {});
  }
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * rows);
  for (std::int32_t y = 0; y < rows; ++y) {
    // The record keeps the bottom row first.
    const std::uint8_t* from = &rgb[static_cast<std::size_t>(rows - 1 - y) * width * 3];
    for (std::int32_t x = 0; x < width; ++x, from += 3) {
      pixels[static_cast<std::size_t>(y) * width + x] =
          static_cast<std::uint32_t>(from[0]) << 16 | from[1] << 8 | from[2];
    }
  }
  return FlakeSprite(width, rows, pixels);
}

void Measure(const FlakeSprite& sprite, int width, int height, int frames) {
  SeedRandom(20261209u);
  PreviewSnow snow(sprite, width, height);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  std::vector<double> frameMicroseconds;
  frameMicroseconds.reserve(frames);
  // The snow's clock moves by one preview frame per frame, whatever the machine's speed.
  Clock::time_point now{};
  long lit = 0;
  for (int i = 0; i < frames; ++i, now += kFrame) {
    const double before = ThreadMicroseconds();
    snow.NextFrame(now, pixels);
    frameMicroseconds.push_back(ThreadMicroseconds() - before);
  }
  for (std::uint32_t p : pixels) lit += p != 0 ? 1 : 0;
  std::sort(frameMicroseconds.begin(), frameMicroseconds.end());
  const double median = frameMicroseconds[frameMicroseconds.size() / 2];
  const double p99 = frameMicroseconds[static_cast<std::size_t>(0.99 * (frames - 1))];
  std::printf(
      "%4dx%-4d  median %7.1f us  p99 %7.1f us  %5.2f %% of a core at 30 frames/s  "
      "(%d frames; last frame %ld of %d pixels lit)\n",
      width, height, median, p99, median * 30.0 / 1e4, frames, lit, width * height);
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = "resources/snow_flake.bmp";
  int frames = 3000;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
      frames = std::max(1, std::atoi(argv[++i]));
    } else {
      path = argv[i];
    }
  }
  const FlakeSprite sprite = ReadSprite(path);
  if (!sprite) {
    std::fprintf(stderr, "preview_bench: %s is not a 24-bit bitmap\n", path);
    return 1;
  }
  Measure(sprite, 152, 112, frames);
  Measure(sprite, 304, 224, frames);
  return 0;
}
