#pragma once

// The mouse button a notification is about, numbered as the forms runtime numbers them.
enum class MouseButton { Left = 1, Right = 2, Middle = 4 };
