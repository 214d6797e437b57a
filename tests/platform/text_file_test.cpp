#include "platform/text_file.h"
#include "support/working_folder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kFile = QStringLiteral("lines.txt");

} // namespace

TEST(TextFile, ReadsCodePage932AndUtf8Alike) {
    WorkingFolder folder;
    const QString names = QStringLiteral("羽田 歩\r\n表 示\r\nソ能\r\n");
    const QByteArray bom("\xEF\xBB\xBF");
    for (const QByteArray& bytes : {cp932(names), names.toUtf8(), bom + names.toUtf8()}) {
        folder.write(kFile, bytes);
        EXPECT_EQ(readTextLines(kFile),
                  QStringList({QStringLiteral("羽田 歩"), QStringLiteral("表 示"),
                               QStringLiteral("ソ能")}));
    }
}

TEST(TextFile, LinesKeepSpacesAndEmptyLinesAndNeedNoFinalLineEnd) {
    WorkingFolder folder;
    folder.write(kFile, "\n  two words \r\nlast");
    EXPECT_EQ(readTextLines(kFile), QStringList({"", "  two words ", "last"}));
    folder.write(kFile, "old\rmac\r\rmixed\r\n");
    EXPECT_EQ(readTextLines(kFile), QStringList({"old", "mac", "", "mixed"}));
    folder.write(kFile, "");
    EXPECT_EQ(readTextLines(kFile), QStringList());
}

TEST(TextFile, MissingOrUnreadableFileIsNoFile) {
    WorkingFolder folder;
    EXPECT_FALSE(readTextLines(kFile));
    QDir().mkdir(kFile);
    EXPECT_FALSE(readTextLines(kFile));
    // A FIFO would wait for a writer for ever.
    ASSERT_EQ(mkfifo(folder.path("fifo").toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(readTextLines(QStringLiteral("fifo")));
}
