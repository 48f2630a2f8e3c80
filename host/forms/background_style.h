#pragma once

// Whether a control paints its own background or lets its container's show through.
enum class BackgroundStyle { Transparent, Opaque };
