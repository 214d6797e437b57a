#pragma once

#include "core/input_options.h"

#include <QStringList>

class InputLayer;
class KeyNames;
class QSettings;

// The move keys and the tap in the settings file:
//
//   [keys]
//   left=Space, F13
//   right=Return, Enter, F14
//   [input]
//   tap=true
//
// A setting the file lacks keeps the input layer's. A key name that is unknown, or whose key
// gives a command or ends the other side's move, is left out and told in one warning; a side
// left without a key, or a tap neither true nor false, keeps the input layer's and is told in
// one warning.
struct ReadInputOptions {
    InputOptions options;
    QStringList warnings;
};

ReadInputOptions readInputOptions(const QSettings& file, const KeyNames& names,
                                  const InputLayer& input);
void writeInputOptions(QSettings& file, const KeyNames& names, const InputOptions& options);
