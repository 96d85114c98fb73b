#include "core/CheckedSaveFile.h"

bool CheckedSaveFile::open(QIODevice::OpenMode mode) {
    ok_ = file_.open(mode);
    if (!ok_) noteError();
    return ok_;
}

bool CheckedSaveFile::write(const QByteArray& bytes) {
    if (!ok_) return false;
    if (file_.write(bytes) != bytes.size()) fail();
    return ok_;
}

void CheckedSaveFile::fail() {
    if (ok_) noteError();
    ok_ = false;
}

void CheckedSaveFile::noteError() {
    if (error_.isEmpty()) error_ = file_.errorString();
}

bool CheckedSaveFile::commit() {
    if (ok_ && !file_.flush()) fail();
    if (!ok_) {
        // Discards the scratch copy; the file being replaced is never touched.
        if (file_.isOpen()) file_.cancelWriting();
        file_.commit();
        return false;
    }
    if (!file_.commit()) {
        fail();
        return false;
    }
    return true;
}

QString CheckedSaveFile::errorString() const {
    QString reason = error_.isEmpty() ? file_.errorString() : error_;
    while (reason.endsWith(QLatin1Char('\n')) || reason.endsWith(QLatin1Char('\r'))) reason.chop(1);
    if (reason.isEmpty()) reason = QStringLiteral("Unknown error");
    return reason;
}
