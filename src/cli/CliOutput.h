#pragma once

#include "common/TextEncoding.h"

#include <QStringList>

#include <cstdio>

// What quorvel-cli's commands write when no --output is given.
namespace CliOutput {

// Each line followed by CR LF, in `encoding` with its byte-order mark when it has one, as the file
// would hold them. Throws Failure when the stream takes them not all.
void toStream(const QStringList &lines, TextEncoding encoding, std::FILE *out);

} // namespace CliOutput
