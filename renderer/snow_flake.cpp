#include "snow_flake.h"

#include "frame_values.h"
#include "gl_headers.h"

SnowFlake::SnowFlake(FlakeList* owner) : birthTime(frameTotal), owner(owner) {}

void SnowFlake::Set(const Vector3& newPosition, const Vector3& newVelocity,
                    const Colour4& newColour, float newHalfSize, float newLifeTime) {
  position = newPosition;
  velocity = newVelocity;
  colour = newColour;
  halfSize = newHalfSize;
  lifeTime = newLifeTime;
}

void SnowFlake::Update() {
  if (frameTotal - birthTime > lifeTime) {
    alive = false;
    return;
  }
  position.x += frameDelta * velocity.x;
  position.y += frameDelta * velocity.y;
  position.z += frameDelta * velocity.z;
}

void SnowFlake::Draw() const {
  const float h = halfSize;
  const float x = position.x;
  const float y = position.y;
  const float z = position.z;
  glColor4fv(&colour.r);
  glBegin(GL_QUADS);
  glTexCoord2i(1, 1);
  glVertex3f(x + h, y + h, z);
  glTexCoord2i(0, 1);
  glVertex3f(x - h, y + h, z);
  glTexCoord2i(0, 0);
  glVertex3f(x - h, y - h, z);
  glTexCoord2i(1, 0);
  glVertex3f(x + h, y - h, z);
  glEnd();
}

FlakeList::FlakeList(int capacity) : capacity(capacity) {}

FlakeList::~FlakeList() {
  while (head != nullptr) {
    SnowFlake* following = head->next;
    delete head;
    head = following;
  }
  tail = nullptr;
  count = 0;
}

bool FlakeList::Add(SnowFlake* flake) {
  if (count >= capacity) return false;
  flake->next = nullptr;
  if (head == nullptr) {
    head = flake;
  } else {
    tail->next = flake;
  }
  tail = flake;
  ++count;
  return true;
}

void FlakeList::UpdateAndDraw() {
  SnowFlake* previous = nullptr;
  SnowFlake* current = head;
  while (current != nullptr) {
    current->Update();
    if (current->alive) {
      current->Draw();
      previous = current;
      current = current->next;
      continue;
    }
    if (previous != nullptr) {
      previous->next = current->next;
      if (current == tail) tail = previous;
    } else {
      head = current->next;
      if (current == tail) tail = nullptr;
    }
    delete current;
    --count;
    current = previous != nullptr ? previous->next : head;
  }
}
