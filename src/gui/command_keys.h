#pragma once

#include "core/input_layer.h"

#include <vector>

// The keys of each command as the clock ships them.
std::vector<KeyBinding> defaultKeyBindings();
