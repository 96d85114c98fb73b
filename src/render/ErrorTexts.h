#pragma once

#include <QString>
#include <cstdint>

// Failure codes of our OpenGL renderer, alongside the platform codes the table knows.
namespace RenderError {
constexpr std::uint32_t NoContext = 0x88990001;
constexpr std::uint32_t OldVersion = 0x88990002;
constexpr std::uint32_t NoDriver = 0x88990003;
constexpr std::uint32_t ShaderFailed = 0x88990004;
constexpr std::uint32_t NoFramebuffer = 0x88990005;
constexpr std::uint32_t NotCurrent = 0x88990006;
constexpr std::uint32_t NoTarget = 0x88990007;
constexpr std::uint32_t FileNotFound = 0x88760313;  // the platform's own "file not found"
constexpr std::uint32_t BadImage = 0x88990008;
}  // namespace RenderError

// The text of a result code; "Unrecognized error value." for codes the table lacks.
QString PlatformErrorText(std::uint32_t code);
// An error box: "Error: <code text>\n<message>" ("OpenGL Error" when no message is given).
void ReportPlatformError(std::uint32_t code, const QString& message = QString());
