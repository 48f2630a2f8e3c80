#pragma once

#include "flake_sprite.h"

// The host's 64 × 64 flake picture, the one the saver writes for the renderer, as the preview's
// sprite; empty when the picture cannot be read.
FlakeSprite LoadFlakeSprite();
