#pragma once

// Seconds since start-up and since the previous frame, copied from the frame timer after every
// advance. The renderer hands them to its flakes when they are born, aged and moved.
extern float frameTotal;
extern float frameDelta;
