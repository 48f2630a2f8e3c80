#pragma once

// The saver's view: a 45-degree vertical field from the eye at the origin along negative z.
// Flakes nearer than the near plane are not seen.
constexpr double kFieldOfViewDegrees = 45.0;
constexpr double kNearPlane = static_cast<double>(0.1f);
constexpr double kFarPlane = 5000.0;
