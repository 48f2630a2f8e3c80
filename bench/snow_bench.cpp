// Frame cost of the snow at its steady state, drawn into a 1024x768 OSMesa buffer.
//
// Two ways of drawing the same flakes are timed one after the other:
//   immediate  - the renderer's own DrawFrame(): one glBegin/glEnd pair per flake;
//   one array  - the same quads gathered from the live flake list into a client-side vertex
//                array every frame and drawn with a single glDrawArrays call.
// Both runs start from the same seed and the same stepped clock, so they hold the same flakes in
// every frame; the last picture of each run is compared to show that they drew the same thing.
//
// With --paced the renderer's DrawFrame is run a third time, held back between frames by the
// renderer's frame pacing as on a 60 Hz display: the snow still runs on the stepped clock, so the
// last picture must be the same again, and the processor time per simulated second is then the
// share of a core the renderer takes while it runs.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "display_pace.h"
#include "fake_clock.h"
#include "frame_timer.h"
#include "gl_headers.h"
#include "osmesa_canvas.h"
#include "projection.h"
#include "random.h"
#include "render_frame.h"
#include "renderer_state.h"
#include "snow_batch.h"
#include "snow_flake.h"
#include "texture.h"

// Every operator new of the process is counted, including those inside the GL library. Plain
// malloc calls from C code are not seen.
namespace {
std::atomic<std::uint64_t> allocationCount{0};

void* CountedAllocate(std::size_t size) {
  allocationCount.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void* CountedAllocate(std::size_t size, const std::nothrow_t&) noexcept {
  allocationCount.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// Mesa keeps driver-wide state alive for the life of the process; it is not ours to free. Built
// in, so that the program runs clean when started by hand.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\nleak:libLLVM\n"; }
#endif

// The sanitizer runtimes bring their own array and nothrow forms, which would not reach the
// scalar one, so every form is replaced.
void* operator new(std::size_t size) { return CountedAllocate(size); }
void* operator new[](std::size_t size) { return CountedAllocate(size); }
void* operator new(std::size_t size, const std::nothrow_t& tag) noexcept {
  return CountedAllocate(size, tag);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return CountedAllocate(size, tag);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kSimulatedFramesPerSecond = 60;
// Lives end by 5.9 s, so from 6 s on every batch that dies is replaced by one that is born.
constexpr double kMinimumWarmUpSeconds = 6.0;

struct Options {
  int measuredFrames = 1200;
  double warmUpSeconds = 7.0;
  unsigned int seed = 20240229u;
  bool paced = false;
  std::string picturePath;  // where the last immediate frame is written, when given
};

enum class Pacing { AsFastAsPossible, ToTheDisplay };

struct RunResult {
  std::vector<double> frameMs;
  std::vector<int> flakesAlive;
  std::uint64_t allocations = 0;
  double simulatedSeconds = 0.0;
  double wallSeconds = 0.0;
  double cpuSeconds = 0.0;  // all threads of the process, so the rasteriser's workers count too
  std::vector<std::uint8_t> lastPicture;
};

// A soft grey spot on black, close to the host's 64x64 flake picture: bright in the middle, faded
// by 14 pixels and black from 21 outward. Made into a texture by the renderer's own code, so the
// sampling cost is the same.
GLuint MakeFlakeTexture() {
  constexpr int kSize = 64;
  struct Stop {
    double radius, value;
  };
  constexpr Stop kProfile[] = {{0, 226}, {10, 136}, {14, 35}, {16, 24}, {21, 0}};
  ImageRecord image;
  image.sizeX = kSize;
  image.sizeY = kSize;
  image.data = std::make_unique<std::uint8_t[]>(kSize * kSize * 3);
  std::uint8_t* rgb = image.data.get();
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double r = std::hypot(x - kSize / 2 + 0.5, y - kSize / 2 + 0.5);
      double value = 0.0;
      for (std::size_t i = 1; i < std::size(kProfile); ++i) {
        if (r < kProfile[i].radius) {
          const Stop& a = kProfile[i - 1];
          const Stop& b = kProfile[i];
          value = a.value + (b.value - a.value) * (r - a.radius) / (b.radius - a.radius);
          break;
        }
      }
      const auto grey = static_cast<std::uint8_t>(std::lround(value));
      std::memset(&rgb[(y * kSize + x) * 3], grey, 3);
    }
  }
  return MakeTexture(image);
}

// One corner of a flake's square, laid out for glTexCoordPointer/glColorPointer/glVertexPointer.
struct QuadVertex {
  float s, t;
  Colour4 colour;
  float x, y, z;
};

std::vector<QuadVertex> quadVertices;

class QuadAppender final : public FlakeDrawer {
 public:
  void Draw(const SnowFlake& flake) override {
    const float h = flake.halfSize;
    const Vector3& p = flake.position;
    const Colour4& c = flake.colour;
    quadVertices.push_back({1, 1, c, p.x + h, p.y + h, p.z});
    quadVertices.push_back({0, 1, c, p.x - h, p.y + h, p.z});
    quadVertices.push_back({0, 0, c, p.x - h, p.y - h, p.z});
    quadVertices.push_back({1, 0, c, p.x + h, p.y - h, p.z});
  }
};

// The renderer's frame with its per-flake begin/end pairs replaced by one draw call. Ageing and
// removal are the flake list's own pass, so both ways keep the same flakes.
void DrawFrameAsOneArray(RendererState& state) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  if (TakeBatchTurn(state.frameTimer.total(), state.lastSpawnTime)) SpawnBatch(state);
  quadVertices.clear();
  QuadAppender appender;
  state.flakeList->UpdateAndDraw(state.frameTotal, state.frameDelta, appender);
  if (!quadVertices.empty()) {
    const QuadVertex* first = quadVertices.data();
    constexpr GLsizei kStride = sizeof(QuadVertex);
    glTexCoordPointer(2, GL_FLOAT, kStride, &first->s);
    glColorPointer(4, GL_FLOAT, kStride, &first->colour.r);
    glVertexPointer(3, GL_FLOAT, kStride, &first->x);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(quadVertices.size()));
  }
}

// The part of every frame that does not depend on the flakes: clearing and finishing the buffer.
std::vector<double> TimeEmptyFrames(int frames) {
  std::vector<double> frameMs;
  frameMs.reserve(frames);
  for (int i = 0; i < frames; ++i) {
    const auto before = std::chrono::steady_clock::now();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFinish();
    const auto after = std::chrono::steady_clock::now();
    frameMs.push_back(std::chrono::duration<double, std::milli>(after - before).count());
  }
  return frameMs;
}

using FrameDrawer = void (*)(RendererState& state);

void DrawRendererFrame(RendererState& state) { DrawFrame(state); }

// Paced frames are timed from the start of one to the start of the next, the wait included, so
// the table shows the intervals the display would get.
RunResult Run(FrameDrawer drawFrame, GLuint texture, const Options& options,
              Pacing pacing = Pacing::AsFastAsPossible) {
  // Each run starts from the state of a fresh process, so both see the same flakes.
  SeedRandom(options.seed);
  RendererState state;
  state.textureName = texture;
  // The clock moves by exactly one simulated frame per frame drawn, so every run sees the same
  // frame times whatever the machine's speed.
  FakeClock clock;
  clock.frequency = kSimulatedFramesPerSecond;
  InitFlakes(state, clock);
  InitRenderState(state);

  auto advanceAndDraw = [&] {
    ++clock.counter;
    state.AdvanceFrame();
    drawFrame(state);
    glFinish();
  };

  const auto warmUpFrames =
      static_cast<int>(std::ceil(options.warmUpSeconds * kSimulatedFramesPerSecond));
  for (int i = 0; i < warmUpFrames; ++i) advanceAndDraw();

  RunResult result;
  // Reserved up front so that the bookkeeping adds no allocations to the measured frames.
  result.frameMs.reserve(options.measuredFrames);
  result.flakesAlive.reserve(options.measuredFrames);
  const float simulatedStart = state.frameTimer.total();
  const std::uint64_t allocationsBefore = allocationCount.load();
  const std::clock_t cpuStart = std::clock();
  const auto wallStart = std::chrono::steady_clock::now();
  DisplayPace pace(kSimulatedFramesPerSecond);
  if (pacing == Pacing::ToTheDisplay) pace.WaitForNextFrame();
  for (int i = 0; i < options.measuredFrames; ++i) {
    const auto before = std::chrono::steady_clock::now();
    advanceAndDraw();
    if (pacing == Pacing::ToTheDisplay) pace.WaitForNextFrame();
    const auto after = std::chrono::steady_clock::now();
    result.frameMs.push_back(std::chrono::duration<double, std::milli>(after - before).count());
    result.flakesAlive.push_back(state.flakeList->count);
  }
  const auto wallEnd = std::chrono::steady_clock::now();
  const std::clock_t cpuEnd = std::clock();
  result.allocations = allocationCount.load() - allocationsBefore;
  result.simulatedSeconds = state.frameTimer.total() - simulatedStart;
  result.wallSeconds = std::chrono::duration<double>(wallEnd - wallStart).count();
  result.cpuSeconds = static_cast<double>(cpuEnd - cpuStart) / CLOCKS_PER_SEC;

  result.lastPicture.resize(static_cast<std::size_t>(kWidth) * kHeight * 4);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, result.lastPicture.data());
  return result;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// Nearest rank: the smallest value that at least 99 percent of the frames do not exceed.
double Percentile99(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(values.size())));
  return values[std::max<std::size_t>(rank, 1) - 1];
}

void PrintHeader() {
  std::printf("%-22s %7s | %-24s | %-9s | %-19s | %s\n", "", "", "frame time (ms)", "cpu (s)",
              "flakes alive", "operator new calls");
  std::printf("%-22s %7s | %7s %7s %8s | %9s | %5s %6s %6s | %11s %9s\n", "method", "fps", "median",
              "p99", "cpu mean", "per sim s", "min", "mean", "max", "per sim s", "per wall s");
}

// fps comes from the median frame; cpu is the process's CPU time per frame over all threads,
// which other programs on a busy machine disturb far less than the wall clock.
void PrintRow(const char* method, const RunResult& run) {
  const double median = Median(run.frameMs);
  const auto frames = static_cast<double>(run.frameMs.size());
  const auto [fewest, most] = std::minmax_element(run.flakesAlive.begin(), run.flakesAlive.end());
  double flakeSum = 0.0;
  for (int alive : run.flakesAlive) flakeSum += alive;
  std::printf("%-22s %7.1f | %7.3f %7.3f %8.3f | %9.3f | %5d %6.0f %6d | %11.1f %9.1f\n", method,
              1000.0 / median, median, Percentile99(run.frameMs), run.cpuSeconds * 1000.0 / frames,
              run.cpuSeconds / run.simulatedSeconds, *fewest, flakeSum / frames, *most,
              static_cast<double>(run.allocations) / run.simulatedSeconds,
              static_cast<double>(run.allocations) / run.wallSeconds);
}

std::size_t CountDifferingPixels(const std::vector<std::uint8_t>& a,
                                 const std::vector<std::uint8_t>& b) {
  std::size_t differing = 0;
  for (std::size_t i = 0; i < a.size(); i += 4) {
    if (std::memcmp(&a[i], &b[i], 4) != 0) ++differing;
  }
  return differing;
}

void PrintComparison(const char* method, const RunResult& immediate, const RunResult& other) {
  const std::size_t differing = CountDifferingPixels(immediate.lastPicture, other.lastPicture);
  std::printf("  %s against immediate: %s\n", method,
              differing == 0 ? "identical pictures"
                             : (std::to_string(differing) + " pixels differ").c_str());
}

std::size_t CountLitPixels(const std::vector<std::uint8_t>& picture) {
  std::size_t lit = 0;
  for (std::size_t i = 0; i < picture.size(); i += 4) {
    if (picture[i] != 0 || picture[i + 1] != 0 || picture[i + 2] != 0) ++lit;
  }
  return lit;
}

// GL rows start at the bottom; a PPM starts at the top.
bool WritePicture(const std::string& path, const std::vector<std::uint8_t>& rgba) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", kWidth, kHeight);
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      std::fwrite(&rgba[(static_cast<std::size_t>(y) * kWidth + x) * 4], 1, 3, file);
    }
  }
  return std::fclose(file) == 0;
}

const char* BuildDescription() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
  return "sanitizer build: figures are NOT representative";
#elif !defined(__OPTIMIZE__)
  return "unoptimised build: figures are NOT representative";
#else
  return "optimised build, no sanitizers";
#endif
}

void PrintUsage(std::FILE* stream, const char* program) {
  std::fprintf(stream,
               "usage: %s [--frames N] [--warmup SECONDS] [--seed N] [--paced] [--picture FILE]\n"
               "Times the snow's frames at their steady state, drawn as the renderer draws them\n"
               "and, for comparison, as one vertex array per frame.\n"
               "  --frames N        frames measured per method (default %d)\n"
               "  --warmup SECONDS  simulated seconds drawn before measuring, at least %.0f "
               "(default %.0f)\n"
               "  --seed N          seed of the flake generator (default %u)\n"
               "  --paced           also run DrawFrame paced to a 60 Hz display, in real time\n"
               "  --picture FILE    write the last frame of DrawFrame as a PPM image\n",
               program, Options{}.measuredFrames, kMinimumWarmUpSeconds, Options{}.warmUpSeconds,
               Options{}.seed);
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--paced") {
      options.paced = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    char* end = nullptr;
    if (name == "--frames") {
      const long frames = std::strtol(value, &end, 10);
      if (frames < 1 || frames > 10'000'000) return false;
      options.measuredFrames = static_cast<int>(frames);
    } else if (name == "--warmup") {
      options.warmUpSeconds = std::strtod(value, &end);
      if (!(options.warmUpSeconds >= kMinimumWarmUpSeconds && options.warmUpSeconds <= 3600.0)) {
        return false;
      }
    } else if (name == "--seed") {
      options.seed = static_cast<unsigned int>(std::strtoul(value, &end, 10));
    } else if (name == "--picture") {
      options.picturePath = value;
      continue;
    } else {
      return false;
    }
    if (end == value || *end != '\0') return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    PrintUsage(stdout, argv[0]);
    return 0;
  }
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    PrintUsage(stderr, argv[0]);
    return 2;
  }

  OsMesaCanvas canvas(kWidth, kHeight);
  ResizeScene(kWidth, kHeight);
  const GLuint texture = MakeFlakeTexture();

  std::printf("snow_bench: %dx%d OSMesa buffer, GL renderer \"%s\" (%s)\n", kWidth, kHeight,
              reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
              reinterpret_cast<const char*>(glGetString(GL_VERSION)));
  std::printf("%s; %d simulated frames/s, %.1f s warm-up, %d measured frames, seed %u\n\n",
              BuildDescription(), kSimulatedFramesPerSecond, options.warmUpSeconds,
              options.measuredFrames, options.seed);
  std::fflush(stdout);

  const RunResult immediate = Run(DrawRendererFrame, texture, options);

  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  quadVertices.reserve(static_cast<std::size_t>(kFlakeCapacity) * 4);
  const RunResult oneArray = Run(DrawFrameAsOneArray, texture, options);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);

  std::optional<RunResult> paced;
  if (options.paced) paced = Run(DrawRendererFrame, texture, options, Pacing::ToTheDisplay);

  PrintHeader();
  PrintRow("immediate (DrawFrame)", immediate);
  PrintRow("one vertex array", oneArray);
  if (paced) PrintRow("paced (DrawFrame)", *paced);

  const std::vector<double> emptyMs = TimeEmptyFrames(options.measuredFrames);
  std::printf("%-22s %7.1f | %7.3f %7.3f          |           | (clear and finish only)\n",
              "empty frame", 1000.0 / Median(emptyMs), Median(emptyMs), Percentile99(emptyMs));

  // The lit count shows the comparison is not between two black pictures.
  std::printf("\nlast frame: %zu of %d pixels lit\n", CountLitPixels(immediate.lastPicture),
              kWidth * kHeight);
  PrintComparison("one vertex array", immediate, oneArray);
  if (paced) PrintComparison("paced (DrawFrame)", immediate, *paced);
  if (!options.picturePath.empty() && !WritePicture(options.picturePath, immediate.lastPicture)) {
    std::fprintf(stderr, "snow_bench: cannot write %s\n", options.picturePath.c_str());
    return 1;
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
