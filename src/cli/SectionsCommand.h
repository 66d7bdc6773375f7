#pragma once

#include <QStringList>

#include <cstdio>

// `quorvel-cli sections REPORT [--delimiter D] [--output FILE]`: parses one report exactly as
// "&Parse Sections" does and writes the whole section table (header row and blank rows included,
// all ten columns) as delimited text: each cell followed by the delimiter, lines ended by CR LF,
// UTF-8.
namespace SectionsCommand {

enum ExitStatus { Success = 0, ParseFailed = 1, CannotRun = 2 };

QString usage();

// `arguments` are those after "sections". Returns the exit status.
int run(const QStringList &arguments, std::FILE *out = stdout, std::FILE *errors = stderr);

} // namespace SectionsCommand
