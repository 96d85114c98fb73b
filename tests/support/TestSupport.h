#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "core/Prompter.h"
#include "core/Services.h"

void PrepareTestEnvironment(const QString& root);

// The program run to its end with these arguments: its exit status and what it printed.
struct ProgramRun {
    int code;
    QString out, err;
};
ProgramRun RunBinary(const QString& binary, const QStringList& args, int timeoutMs = 60000);

// Records every message box and answers with a chosen result.
class RecordingPrompter : public Prompter {
  public:
    struct Call {
        QString caption, text;
        MessageButtons buttons;
        MessageIcon icon;
    };
    MessageResult answer = MessageResult::Ok;
    std::vector<Call> calls;

    MessageResult show(const QString& caption, const QString& text, MessageButtons buttons,
                       MessageIcon icon) override {
        calls.push_back({caption, text, buttons, icon});
        if (buttons == MessageButtons::YesNo && answer == MessageResult::Ok)
            return MessageResult::Yes;
        return answer;
    }
};

// Fresh process-wide services for each test: a recording prompter, an empty system log and
// a private per-user data folder.
class ServicesTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    RecordingPrompter prompter;
    QTemporaryDir dir;
};

// Makes the file system look full to this process: while it lives, no file may grow past
// `bytes` (writes beyond fail with EFBIG, as on a full disk), without root or a special
// mount. The signal such a write raises is ignored for the while.
class FileSizeCap {
  public:
    explicit FileSizeCap(long bytes);
    ~FileSizeCap();
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

  private:
    long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

// The names in a folder, for checking that a failed save left no scratch file behind.
QStringList FolderEntries(const QString& path);
