#include "core/text_file.h"
#include "support/working_folder.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

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
// cut-back: an append waits for it, so it can neither cut that block away nor split it.
TEST(TextFile, AnAppendWaitsForTheOtherWritersLock) {
    WorkingFolder folder;
    folder.write(kFile, "first\r\n");
    const int other =
        ::open(QFile::encodeName(folder.path(kFile)).constData(), O_WRONLY | O_APPEND);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    std::atomic<bool> appended = false;
    std::thread mine([&] {
        EXPECT_FALSE(appendToFile(folder.path(kFile), "mine\r\n"));
        appended = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(appended);
    const QByteArray theirs("theirs\r\n");
    EXPECT_EQ(::write(other, theirs.constData(), size_t(theirs.size())), theirs.size());
    ::close(other);
    mine.join();
    EXPECT_EQ(folder.read(kFile), "first\r\ntheirs\r\nmine\r\n");
}

// Two clocks starting the same record: the one that waited for the lock finds the file begun.
TEST(TextFile, TheStartOfAFileIsWrittenOnlyIntoAnEmptyOne) {
    WorkingFolder folder;
    folder.write(kFile, "");
    const int other =
        ::open(QFile::encodeName(folder.path(kFile)).constData(), O_WRONLY | O_APPEND);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    std::thread mine(
        [&] { EXPECT_FALSE(appendToFile(folder.path(kFile), "mine\r\n", "HEAD\r\n")); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const QByteArray theirs("HEAD\r\ntheirs\r\n");
    EXPECT_EQ(::write(other, theirs.constData(), size_t(theirs.size())), theirs.size());
    ::close(other);
    mine.join();
    EXPECT_EQ(folder.read(kFile), "HEAD\r\ntheirs\r\nmine\r\n");

    EXPECT_FALSE(appendToFile(folder.path("new.txt"), "row\r\n", "HEAD\r\n"));
    EXPECT_EQ(folder.read("new.txt"), "HEAD\r\nrow\r\n");
}
