#pragma once

#include <QStringList>

// "対局者.txt" in the working folder: one player name per line, lines 1 and 2 being the
// default names of side 1 and side 2. Empty when the file is missing or unreadable.
inline constexpr const char* kPlayersFile = "対局者.txt";

QStringList readPlayersFile();
