#pragma once

class FlakeList;

struct Vector3 {
  float x, y, z;
};

struct Colour4 {
  float r, g, b, a;
};

class SnowFlake {
 public:
  explicit SnowFlake(FlakeList* owner);
  virtual ~SnowFlake() = default;
  SnowFlake(const SnowFlake&) = delete;
  SnowFlake& operator=(const SnowFlake&) = delete;

  void Set(const Vector3& position, const Vector3& velocity, const Colour4& colour, float halfSize,
           float lifeTime);
  void Update();
  void Draw() const;

  Vector3 position{0.0f, 0.0f, 0.0f};
  Vector3 velocity{0.0f, 0.0f, 0.0f};
  Colour4 colour{1.0f, 1.0f, 1.0f, 1.0f};
  float halfSize = 1.0f;
  float birthTime;
  float lifeTime = 5.0f;
  bool alive = true;
  FlakeList* owner;
  SnowFlake* next = nullptr;
};

class FlakeList {
 public:
  explicit FlakeList(int capacity);
  virtual ~FlakeList();
  FlakeList(const FlakeList&) = delete;
  FlakeList& operator=(const FlakeList&) = delete;

  // False, with the list unchanged, once count has reached capacity; the caller keeps the flake.
  bool Add(SnowFlake* flake);
  // Ages, moves and draws every flake oldest first; a flake whose life is over is destroyed
  // undrawn.
  void UpdateAndDraw();

  SnowFlake* head = nullptr;
  SnowFlake* tail = nullptr;
  int count = 0;
  int capacity;
};
