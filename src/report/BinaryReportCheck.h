#pragma once

#include <QString>

#include <optional>

class TextLines;

// A listed or named file that is no text at all (a program, a compressed report) still decodes
// and parses into a few odd rows without a word. The digest and `quorvel-cli sections` tell the
// user which file it was instead, as for a report the parser fails on.
namespace BinaryReportCheck {

// The message for the user when `report`, read from `path`, holds a NUL character; nothing when
// it is text.
std::optional<QString> failureOf(const QString &path, const TextLines &report);

} // namespace BinaryReportCheck
