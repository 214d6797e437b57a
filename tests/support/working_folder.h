#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh working folder for one test; the process works in it until the object goes.
class WorkingFolder {
public:
    WorkingFolder();
    ~WorkingFolder();

    QString path(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;
    void remove(const QString& relative) const;
    // Puts a FIFO, which blocks any read until a writer comes, in the place of a file.
    void makeFifo(const QString& relative) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Text in code page 932, as the clock's files hold it.
QByteArray cp932(const QString& text);
