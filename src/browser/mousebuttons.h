#pragma once

// `MouseButton`: the mouse buttons held down now, 1 left, 2 right, 4 middle, summed.
int MouseButton();
