#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// "対局結果.txt" in the working folder: one block per recorded game, appended, never read
// or rewritten. Text in code page 932.
inline constexpr const char* kResultFile = "対局結果.txt";

// The characters of text that code page 932 can't hold, each once, in order.
QString unencodableCharacters(const QString& text);

// The text in code page 932, each character it can't hold written as "?".
QByteArray toCodePage932(const QString& text);

// Appends bytes to the file in one write, creating it if needed, and makes sure they are on
// disk. On failure the file is left as it was, as far as the system allows, and the reason
// is returned.
std::optional<QString> appendToFile(const QString& path, const QByteArray& bytes);
