#pragma once

#include <QStringList>

// "対局者.txt" in the working folder: one player name per line, lines 1 and 2 being the
// default names of side 1 and side 2. Empty when the file is missing or unreadable. Control
// characters are left out of the names, as no window could show them and the result file
// would carry them.
inline constexpr const char* kPlayersFile = "対局者.txt";

// The names the windows show for side 1 and side 2 until a players file names them.
inline constexpr const char* kSampleName1 = "田中 一郎";
inline constexpr const char* kSampleName2 = "中村 次郎";

QStringList readPlayersFile();
// The names the lines of such a file give.
QStringList playerNames(QStringList lines);

// A name as a window can show it and the result file can hold it: without control characters
// such as the line end of a pasted name, nor the line and paragraph separators that a text
// box turns into line ends.
QString withoutControlCharacters(QString name);
