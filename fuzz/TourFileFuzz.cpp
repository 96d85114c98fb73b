// A tour file through the reader, and every line it would say through the speech tags, as
// the narrator reads them when the step comes.
#include <cmath>

#include "FuzzSupport.h"
#include "tours/SpeechText.h"
#include "tours/TourScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    TourError error;
    const auto script = Tours::ReadFile(WriteFuzzInput(data, size, "input.tour"), &error);
    if (!script) {
        FUZZ_CHECK(!error.message.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!script->title.isEmpty() && !script->steps.empty());
    int previousLine = 0;
    for (const TourStep& step : script->steps) {
        // Steps come one per line, in the file's order.
        FUZZ_CHECK(step.line > previousLine);
        previousLine = step.line;
        switch (step.kind) {
            case TourStepKind::Wait:
                FUZZ_CHECK(std::isfinite(step.seconds) && step.seconds >= 0);
                break;
            case TourStepKind::Sleep:
                FUZZ_CHECK(step.milliseconds >= 0);
                break;
            case TourStepKind::Speak: {
                const auto speech = SpeechText::Parse(step.text);
                FUZZ_CHECK(speech.has_value());  // the reader already checked the tags
                FUZZ_CHECK(speech->ReadingTimeMs() >= SpeechText::kReadingBaseMs);
                for (const auto& [start, length] : speech->emphasis)
                    FUZZ_CHECK(start >= 0 && length >= 0 && start + length <= speech->shown.size());
                break;
            }
            default:
                break;
        }
    }
    return 0;
}
