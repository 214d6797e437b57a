#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// The lines of a text file, or nullopt when it can't be read. Files are in code page 932
// as on the system the clock was designed for, but a file that is entirely valid UTF-8
// (with or without a byte-order mark) is read as UTF-8: code page 932 text is practically
// never valid UTF-8, and plain ASCII reads the same either way. CR LF, LF and a lone CR each
// end a line. Anything but a regular file (a folder, a FIFO, a device) counts as unreadable,
// so that reading it can neither hang nor run on without end.
std::optional<QStringList> readTextLines(const QString& path);

// Decodes the bytes of such a file.
QString decodeText(const QByteArray& bytes);
// The lines those bytes hold.
QStringList textLines(const QByteArray& bytes);

// How long an append waits for another writer's lock before it gives up.
inline constexpr std::chrono::milliseconds kLockWait{5000};

// Appends bytes to the file, creating it if needed, and makes sure they are on disk; an empty
// file first gets startOfFile, decided under the lock so that two clocks starting the same
// file write it once. A file that is not a regular one is refused. On failure the file is
// cut back to its size before, and the reason is returned.
std::optional<QString> appendToFile(const QString& path, const QByteArray& bytes,
                                    const QByteArray& startOfFile = {},
                                    std::chrono::milliseconds lockWait = kLockWait);
