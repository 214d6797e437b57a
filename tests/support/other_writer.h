#pragma once

#include <QByteArray>
#include <QString>

// Another program appending to a file: it holds the file's lock from its construction until
// it finishes, as a second clock in the same folder would.
class OtherWriter {
public:
    explicit OtherWriter(const QString& path);
    ~OtherWriter();
    OtherWriter(const OtherWriter&) = delete;
    OtherWriter& operator=(const OtherWriter&) = delete;

    bool holdsLock() const { return fd_ >= 0 && locked_; }
    void write(const QByteArray& bytes) const;
    // Closes the file, which releases the lock.
    void finish();

private:
    int fd_;
    bool locked_ = false;
};
