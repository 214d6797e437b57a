#pragma once

#include "core/input_options.h"

class InputLayer;

// The move keys and the tap as the settings file keeps them: read into the input layer at
// start-up, each fault told in one line on stderr; written when the players change them.
void loadInputOptions(InputLayer& input);
// False when the file could not be written.
bool saveInputOptions(const InputOptions& options);
