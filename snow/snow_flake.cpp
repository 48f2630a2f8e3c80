#include "snow_flake.h"

SnowFlake::SnowFlake(FlakeList* owner, float birthTime) : birthTime(birthTime), owner(owner) {}

void SnowFlake::Set(const Vector3& newPosition, const Vector3& newVelocity,
                    const Colour4& newColour, float newHalfSize, float newLifeTime) {
  position = newPosition;
  velocity = newVelocity;
  colour = newColour;
  halfSize = newHalfSize;
  lifeTime = newLifeTime;
}

void SnowFlake::Update(float total, float delta) {
  if (total - birthTime > lifeTime) {
    alive = false;
    return;
  }
  position.x += delta * velocity.x;
  position.y += delta * velocity.y;
  position.z += delta * velocity.z;
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

void FlakeList::UpdateAndDraw(float total, float delta, FlakeDrawer& drawer) {
  SnowFlake* previous = nullptr;
  SnowFlake* current = head;
  while (current != nullptr) {
    current->Update(total, delta);
    if (current->alive) {
      drawer.Draw(*current);
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
