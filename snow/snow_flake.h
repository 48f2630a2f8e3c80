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
  SnowFlake(FlakeList* owner, float birthTime);
  virtual ~SnowFlake() = default;
  SnowFlake(const SnowFlake&) = delete;
  SnowFlake& operator=(const SnowFlake&) = delete;

  void Set(const Vector3& position, const Vector3& velocity, const Colour4& colour, float halfSize,
           float lifeTime);
  // Ages the flake to total seconds and moves it by delta seconds of its velocity.
  void Update(float total, float delta);
  // Emits the flake's textured square to GL; the renderer, the one program with GL, defines it.
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

// Whatever shows the flakes of a pass: GL in the renderer, a pixel buffer in the preview.
class FlakeDrawer {
 public:
  virtual void Draw(const SnowFlake& flake) = 0;

 protected:
  ~FlakeDrawer() = default;
};

class FlakeList {
 public:
  explicit FlakeList(int capacity);
  virtual ~FlakeList();
  FlakeList(const FlakeList&) = delete;
  FlakeList& operator=(const FlakeList&) = delete;

  // False, with the list unchanged, once count has reached capacity; the caller keeps the flake.
  bool Add(SnowFlake* flake);
  // Ages and moves every flake oldest first and hands each one still alive to the drawer; a
  // flake whose life is over is destroyed undrawn.
  void UpdateAndDraw(float total, float delta, FlakeDrawer& drawer);
  // The same pass drawn with GL; the renderer defines it.
  void UpdateAndDraw(float total, float delta);

  SnowFlake* head = nullptr;
  SnowFlake* tail = nullptr;
  int count = 0;
  int capacity;
};
