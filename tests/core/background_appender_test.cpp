#include "core/background_appender.h"
#include "support/other_writer.h"
#include "support/working_folder.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <mutex>

namespace {

const QString kFile = QStringLiteral("rows.csv");

// The failures an appender told, as "what: reason".
struct Failures {
    std::mutex mutex;
    QStringList told;

    BackgroundAppender::FailureHandler handler() {
        return [this](const QString& what, const QString& reason) {
            const std::lock_guard lock(mutex);
            told << what + QStringLiteral(": ") + reason;
        };
    }
};

} // namespace

TEST(BackgroundAppender, WritesEveryRowInOrderBeforeItGoes) {
    WorkingFolder folder;
    QByteArray expected = "HEAD\r\n";
    Failures failures;
    {
        BackgroundAppender appender(folder.path(kFile), "HEAD\r\n", failures.handler());
        for (int i = 0; i < 300; ++i) {
            const QByteArray row = QByteArray::number(i) + "\r\n";
            appender.append(row, QString::number(i));
            expected += row;
        }
    }
    EXPECT_EQ(folder.read(kFile), expected);
    EXPECT_TRUE(failures.told.isEmpty());
}

// A lock held for good: each row queued behind it is told as failed, none is written, and the
// rows after the lock is gone are.
TEST(BackgroundAppender, RowsBehindALockHeldForGoodFailAndLaterRowsAreWritten) {
    WorkingFolder folder;
    folder.write(kFile, "HEAD\r\n");
    Failures failures;
    BackgroundAppender appender(folder.path(kFile), "HEAD\r\n", failures.handler(),
                                std::chrono::milliseconds(50));
    OtherWriter other(folder.path(kFile));
    ASSERT_TRUE(other.holdsLock());
    for (const char* row : {"a", "b", "c", "d"})
        appender.append(QByteArray(row) + "\r\n", QString::fromUtf8(row));
    appender.waitUntilWritten();
    const QString reason = QStringLiteral(": 他のプログラムが書き込み中です");
    EXPECT_EQ(failures.told, QStringList({"a" + reason, "b" + reason, "c" + reason, "d" + reason}));
    EXPECT_EQ(folder.read(kFile), "HEAD\r\n");
    other.finish();
    appender.append("e\r\n", QStringLiteral("e"));
    appender.waitUntilWritten();
    EXPECT_EQ(folder.read(kFile), "HEAD\r\ne\r\n");
    EXPECT_EQ(failures.told.size(), 4);
}
