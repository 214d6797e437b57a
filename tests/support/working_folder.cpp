#include "support/working_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <stdexcept>
#include <sys/stat.h>

WorkingFolder::WorkingFolder()
    : previous_(QDir::currentPath()) {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    QDir::setCurrent(dir_.path());
}

WorkingFolder::~WorkingFolder() {
    QDir::setCurrent(previous_);
}

QString WorkingFolder::path(const QString& relative) const {
    return dir_.filePath(relative);
}

void WorkingFolder::write(const QString& relative, const QByteArray& bytes) const {
    QDir(dir_.path()).mkpath(QFileInfo(relative).path());
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("can't write test file");
}

void WorkingFolder::remove(const QString& relative) const {
    QFile::remove(path(relative));
}

void WorkingFolder::makeFifo(const QString& relative) const {
    remove(relative);
    if (mkfifo(QFile::encodeName(path(relative)).constData(), 0600) != 0)
        throw std::runtime_error("can't make a FIFO");
}

QByteArray WorkingFolder::read(const QString& relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cp932(const QString& text) {
    QStringEncoder encoder("windows-31j");
    return encoder.encode(text);
}
