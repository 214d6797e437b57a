#include "support/other_writer.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

OtherWriter::OtherWriter(const QString& path)
    : fd_(::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND)) {
    locked_ = fd_ >= 0 && ::flock(fd_, LOCK_EX) == 0;
}

OtherWriter::~OtherWriter() {
    finish();
}

void OtherWriter::write(const QByteArray& bytes) const {
    EXPECT_EQ(::write(fd_, bytes.constData(), size_t(bytes.size())), bytes.size());
}

void OtherWriter::finish() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
