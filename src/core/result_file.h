#pragma once

#include <QByteArray>
#include <QString>

// "対局結果.txt" in the working folder: one block per recorded game, appended, never read
// or rewritten. Text in code page 932.
inline constexpr const char* kResultFile = "対局結果.txt";

// The line that closes every block, so that blocks stay apart however a summary was edited.
QString blockEndLine();

// The block recorded for the text of the result box, with CR LF line ends. Blank lines before
// and after the text go: they are keys the players still hit on the result message, not
// edits. The block always ends with its closing line.
QString recordedBlock(const QString& boxText);

// The code page's own form of a character that other systems type as the standard's code
// point (〜 for ～ and the like); the character itself otherwise.
QChar windowsForm(QChar c);

// The characters of text that code page 932 can't hold, each once, in order.
QString unencodableCharacters(const QString& text);

// The text in code page 932, each character it can't hold written as "?".
QByteArray toCodePage932(const QString& text);
