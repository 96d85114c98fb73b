#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// A file replaced whole or not at all. Every write and the final flush are checked; after
// the first failure later writes are skipped, and commit() throws the new text away so the
// previous file stays exactly as it was (also on a full disk, where the write buffer only
// fails when flushed).
class CheckedSaveFile {
  public:
    explicit CheckedSaveFile(const QString& path) : file_(path) {}

    bool open(QIODevice::OpenMode mode = QIODevice::WriteOnly);
    // False once any write has failed.
    bool write(const QByteArray& bytes);
    bool write(const QString& text) { return write(text.toUtf8()); }
    // Flushes and renames over the old file; on any failure discards the new text.
    bool commit();
    bool ok() const { return ok_; }
    // Why the save failed, without trailing line breaks.
    QString errorString() const;
    // For writers that stream into a device (pictures); mark a failure with fail().
    QSaveFile& device() { return file_; }
    void fail();

  private:
    void noteError();
    QSaveFile file_;
    bool ok_ = false;
    QString error_;
};
