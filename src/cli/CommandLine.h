#pragma once

#include <QStringList>

#include <cstdio>

// quorvel-cli's command line: "quorvel-cli [--help] COMMAND [options and arguments of COMMAND]".
// Prints the list of commands for --help, a command's own help for "COMMAND --help", and for a
// wrong line the problem and the help that fits it, on standard error with exit status 2.
namespace CommandLine {

// `arguments` start with the program, as QCoreApplication::arguments() gives them. Returns the
// exit status.
int run(const QStringList &arguments, std::FILE *out = stdout, std::FILE *errors = stderr);

} // namespace CommandLine
