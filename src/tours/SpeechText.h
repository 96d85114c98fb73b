#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// A line the narrator says, with its speech tags worked out:
//   \Map="spoken"="shown"\  says the first text and shows the second in the balloon;
//   \Emp\                   stresses the next word.
struct SpeechText {
    QString spoken;  // for the speech engine
    QString shown;   // for the balloon
    // The stressed words, as (start, length) in `shown`.
    std::vector<std::pair<int, int>> emphasis;

    // Reads a tagged line; on an unknown or unfinished tag, nothing and why.
    static std::optional<SpeechText> Parse(const QString& tagged, QString* error = nullptr);

    // How long the balloon stays up when nothing is heard: time to read the shown text.
    static constexpr int kReadingBaseMs = 1000;
    static constexpr int kReadingPerCharacterMs = 60;
    int ReadingTimeMs() const;
};
