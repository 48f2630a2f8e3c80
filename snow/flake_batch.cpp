#include "flake_batch.h"

#include "random.h"
#include "snow_flake.h"

namespace {

// Every flake is the same light grey; additive blending makes crowds of them brighter.
constexpr float kFlakeGrey = 0.7f;
constexpr double kHalfSizeBias = static_cast<double>(0.2f);

float RandomMod(int divisor, double offset) {
  return static_cast<float>(static_cast<double>(Random() % divisor) + offset);
}

void SetRandomFlake(SnowFlake& flake) {
  Vector3 position;
  position.x = RandomMod(80, -50.0);
  position.y = RandomMod(80, -50.0);
  position.z = RandomMod(60, -180.0);
  Vector3 velocity;
  velocity.x = RandomMod(10, -0.005);
  velocity.y = RandomMod(10, -0.005);
  velocity.z = RandomMod(60, -0.015);
  const float lifeTime = static_cast<float>((Random() % 10) * 0.1 + 5.0);
  const float halfSize = static_cast<float>((Random() % 10 - 5) * 0.1 + kHalfSizeBias);
  const Colour4 colour{kFlakeGrey, kFlakeGrey, kFlakeGrey, 1.0f};
  flake.Set(position, velocity, colour, halfSize, lifeTime);
}

}  // namespace

bool TakeBatchTurn(float total, float& lastBatchTime) {
  if (total - lastBatchTime <= kBatchIntervalSeconds) return false;
  lastBatchTime = total;
  return true;
}

void AddRandomFlakes(FlakeList& list, int count, float birthTime) {
  for (int i = 0; i < count; ++i) {
    auto* flake = new SnowFlake(&list, birthTime);
    SetRandomFlake(*flake);
    if (!list.Add(flake)) delete flake;
  }
}
