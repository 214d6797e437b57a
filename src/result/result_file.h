#pragma once

#include <QByteArray>
#include <QString>

// "対局結果.txt" in the working folder: one block per recorded game, appended, never read
// or rewritten. Text in code page 932.
inline constexpr const char* kResultFile = "対局結果.txt";

// The characters of text that code page 932 can't hold, each once, in order.
QString unencodableCharacters(const QString& text);

// The text in code page 932, each character it can't hold written as "?".
QByteArray toCodePage932(const QString& text);
