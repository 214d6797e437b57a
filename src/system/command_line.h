#pragma once

#include <optional>

// The application's name, version and desktop entry, for the window system and the text below.
void describeApplication();

// Answers --help and --version on stdout. The clock takes no options, so every other argument
// is ignored; nullopt means the clock is to start, otherwise the status to exit with.
std::optional<int> answerCommandLine(int argc, char* argv[]);
