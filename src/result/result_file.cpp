#include "result/result_file.h"

#include <QFile>
#include <QStringEncoder>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Characters that Japanese input on other systems types as the standard's own code points,
// and the code page's full-width forms that Windows writes for them with the same bytes.
constexpr std::pair<char16_t, char16_t> kWindowsForms[] = {
    {u'〜', u'～'}, {u'−', u'－'}, {u'‖', u'∥'}, {u'¢', u'￠'}, {u'£', u'￡'}, {u'¬', u'￢'},
};

QChar windowsForm(QChar c) {
    for (const auto& [standard, windows] : kWindowsForms)
        if (c == standard)
            return windows;
    return c;
}

// One character (a code point, so a surrogate pair stays whole) in code page 932.
std::optional<QByteArray> encoded(QStringView character) {
    QStringEncoder encoder("windows-31j");
    const QString text =
        character.size() == 1 ? QString(windowsForm(character[0])) : character.toString();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

template <typename F> void forEachCharacter(const QString& text, F&& f) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        f(QStringView(text).mid(i, length));
        i += length;
    }
}

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

} // namespace

QString unencodableCharacters(const QString& text) {
    QString found;
    forEachCharacter(text, [&found](QStringView c) {
        if (!encoded(c) && !found.contains(c))
            found += c;
    });
    return found;
}

QByteArray toCodePage932(const QString& text) {
    QByteArray bytes;
    forEachCharacter(text, [&bytes](QStringView c) { bytes += encoded(c).value_or("?"); });
    return bytes;
}

// Unbuffered, so that what failed half-way can be cut off again: a buffered file would try
// to write its buffer once more before cutting, and give up.
std::optional<QString> appendToFile(const QString& path, const QByteArray& bytes) {
    // Non-blocking only for the open: a FIFO without a reader must not hang the clock.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status;
    std::optional<QString> failure;
    if (::fstat(fd, &status) != 0)
        failure = qt_error_string(errno); // without the size, a failure couldn't be undone
    else if (!S_ISREG(status.st_mode))
        failure = QStringLiteral("通常のファイルではありません");
    else if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        failure = qt_error_string(errno);
        if (::ftruncate(fd, status.st_size) != 0)
            *failure += QStringLiteral("（書きかけの結果を取り除けませんでした：%1）")
                            .arg(qt_error_string(errno));
    }
    // After a good fsync the block is on disk whatever close says; saying otherwise would
    // have the user record it twice.
    ::close(fd);
    return failure;
}
