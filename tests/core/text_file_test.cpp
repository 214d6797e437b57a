#include "core/text_file.h"
#include "support/other_writer.h"
#include "support/working_folder.h"

#include <QDir>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>

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
    folder.makeFifo("fifo");
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

// Another clock appending to the same file holds its lock from its size check to its
// cut-back: an append waits for it, so it can neither cut that block away nor split it; and
// when both start the file, the one that waited finds it begun.
TEST(TextFile, AnAppendWaitsForTheOtherWritersLock) {
    const struct {
        QByteArray before;
        QByteArray startOfFile;
        QByteArray theirs;
        QByteArray after;
    } rows[] = {
        {"first\r\n", "", "theirs\r\n", "first\r\ntheirs\r\nmine\r\n"},
        {"", "HEAD\r\n", "HEAD\r\ntheirs\r\n", "HEAD\r\ntheirs\r\nmine\r\n"},
    };
    for (const auto& row : rows) {
        WorkingFolder folder;
        folder.write(kFile, row.before);
        OtherWriter other(folder.path(kFile));
        ASSERT_TRUE(other.holdsLock());
        std::atomic<bool> appended = false;
        std::thread mine([&] {
            EXPECT_FALSE(appendToFile(folder.path(kFile), "mine\r\n", row.startOfFile));
            appended = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(appended);
        other.write(row.theirs);
        other.finish();
        mine.join();
        EXPECT_EQ(folder.read(kFile), row.after);
    }
}

TEST(TextFile, ANewFileGetsItsStart) {
    WorkingFolder folder;
    EXPECT_FALSE(appendToFile(folder.path(kFile), "row\r\n", "HEAD\r\n"));
    EXPECT_FALSE(appendToFile(folder.path(kFile), "next\r\n", "HEAD\r\n"));
    EXPECT_EQ(folder.read(kFile), "HEAD\r\nrow\r\nnext\r\n");
}

// A file saved without a final line end gets one before the new line; others are left as
// they end.
TEST(TextFile, AnAppendNeverGluesOntoAnUnfinishedLastLine) {
    const struct {
        QByteArray before, after;
    } rows[] = {
        {"a,b\r\n1,2", "a,b\r\n1,2\r\nrow\r\n"}, {"a\n", "a\nrow\r\n"}, {"a\r", "a\rrow\r\n"}};
    for (const auto& row : rows) {
        WorkingFolder folder;
        folder.write(kFile, row.before);
        EXPECT_FALSE(appendToFile(folder.path(kFile), "row\r\n", "HEAD\r\n"));
        EXPECT_EQ(folder.read(kFile), row.after);
    }
}
