#include "core/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Writes all the bytes, going on after a partial write; false with errno set on failure.
bool writeAll(int fd, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), size_t(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            return false;
        }
        bytes = bytes.sliced(written);
    }
    return true;
}

// Waits a while for another clock appending to the same file to finish: an append must not
// begin while another is between its size check and its cut-back. A writer that holds the
// lock for good (stopped, say) must not hang this clock either.
bool lockExclusively(int fd, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// A file saved without a final line end (by an editor, say) must not have the next line glued
// onto its last one. An empty file, or one that can't be read, is taken as ending well.
bool endsInLineEnd(int fd, off_t size) {
    char last = '\n';
    if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1)
        return true;
    return last == '\n' || last == '\r';
}

} // namespace

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar::ByteOrderMark) ? text.mid(1) : text;
    QStringDecoder cp932("windows-31j");
    return cp932.decode(bytes);
}

std::optional<QStringList> readTextLines(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return textLines(bytes);
}

QStringList textLines(const QByteArray& bytes) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = decodeText(bytes).split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line opens no new line
    return lines;
}

// Unbuffered, so that what failed half-way can be cut off again: a buffered file would try
// to write its buffer once more before cutting, and give up.
std::optional<QString> appendToFile(const QString& path, const QByteArray& bytes,
                                    const QByteArray& startOfFile,
                                    std::chrono::milliseconds lockWait) {
    // Non-blocking matters only to the open: a FIFO without a reader must not hang the clock.
    // Read as well, for the last byte; a file that may be written but not read still takes rows.
    const QByteArray name = QFile::encodeName(path);
    constexpr int kFlags = O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(name.constData(), O_RDWR | kFlags, 0666);
    if (fd < 0 && errno == EACCES)
        fd = ::open(name.constData(), O_WRONLY | kFlags, 0666);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status;
    std::optional<QString> failure;
    if (::fstat(fd, &status) != 0)
        failure = qt_error_string(errno);
    else if (!S_ISREG(status.st_mode))
        failure = QStringLiteral("通常のファイルではありません");
    else if (!lockExclusively(fd, lockWait))
        failure = QStringLiteral("他のプログラムが書き込み中です");
    // The size is read under the lock: without it, a failure couldn't be undone.
    else if (::fstat(fd, &status) != 0)
        failure = qt_error_string(errno);
    else if ((status.st_size == 0 && !writeAll(fd, startOfFile)) ||
             (!endsInLineEnd(fd, status.st_size) && !writeAll(fd, "\r\n")) ||
             !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        failure = qt_error_string(errno);
        if (::ftruncate(fd, status.st_size) != 0)
            *failure += QStringLiteral("（書きかけの部分を取り除けませんでした：%1）")
                            .arg(qt_error_string(errno));
    }
    // After a good fsync the bytes are on disk whatever close says; saying otherwise would
    // have them written twice. Closing also releases the lock.
    ::close(fd);
    return failure;
}
