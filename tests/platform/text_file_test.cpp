#include "platform/text_file.h"
#include "support/working_folder.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
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

// A disk that fills up half-way through an append, as a file size limit makes it.
TEST(TextFile, ADiskFullHalfWayLeavesNoPartOfTheAppendedBytes) {
    WorkingFolder folder;
    const QByteArray earlier("earlier game\r\n");
    folder.write(kFile, earlier);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = rlim_t(earlier.size() + 40);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const auto failure = appendToFile(folder.path(kFile), QByteArray(200, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_TRUE(failure.has_value());
    EXPECT_EQ(folder.read(kFile), earlier);
}
