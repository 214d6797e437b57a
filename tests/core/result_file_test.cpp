#include "core/result_file.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

TEST(ResultFile, CodePage932HoldsWhatWindowsWritesAndMarksTheRest) {
    EXPECT_EQ(unencodableCharacters("山田　太郎 ①ｱ"), "");
    EXPECT_EQ(unencodableCharacters("a😀b😀ß"), "😀ß");
    EXPECT_EQ(toCodePage932("表😀"), QByteArray("\x95\x5c?"));
    // As typed on other systems, written as Windows writes them.
    EXPECT_EQ(unencodableCharacters("〜−‖¢£¬"), "");
    EXPECT_EQ(toCodePage932("〜−‖¢£¬～"),
              QByteArray("\x81\x60\x81\x7c\x81\x61\x81\x91\x81\x92\x81\xca\x81\x60"));
}

TEST(ResultFile, BlankLinesAroundTheTextGoAndTheClosingLineStays) {
    const QString end = blockEndLine() + "\r\n";
    const struct {
        const char* box;
        QString block;
    } rows[] = {
        {"\n\n \nA\nB", "A\r\nB\r\n" + end},
        {"A\n\u3000\n\nB\n\n", "A\r\n\u3000\r\n\r\nB\r\n" + end},
        {"A\r\n----------------------------------\n\n\t\n", "A\r\n" + end},
        {"", end},
        // Found by fuzzing: a space typed after the closing line.
        {"A\n---------------------------------- \n", "A\r\n" + end},
    };
    for (const auto& row : rows)
        EXPECT_EQ(recordedBlock(QString::fromUtf8(row.box)), row.block) << row.box;
}
