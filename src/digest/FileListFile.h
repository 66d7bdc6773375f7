#pragma once

#include "common/FileKinds.h"
#include "common/TextEncoding.h"

#include <QString>
#include <QStringList>

class GridTable;
class Ui;

// File list files: one report path per line, in digest order, the lines `quorvel-cli --files-from`
// reads, so that a DBA can repeat a digest another day or on another machine.
namespace FileListFile {

// A list of even a hundred thousand paths stays far below this.
inline constexpr qint64 maxFileBytes = 64 * 1024 * 1024;

// The paths of a list file in order; blank lines are passed over, and a path is taken as it stands
// whether the file exists or not. Throws Failure when the file cannot be read, is not of `kinds`,
// is too large or holds binary data (no path holds a NUL character).
QStringList read(const QString &path, FileKinds kinds);

// "Save List...": asks for a path with "*.txt" in the save dialog and writes the listed paths
// there in `encoding`, then "File list saved to " + path. An empty list writes an empty file.
// Cancelling writes nothing and shows nothing. Throws Failure when the file cannot be written;
// whatever stood at the path stays whole.
void saveList(const GridTable &files, TextEncoding encoding, Ui &ui);

// "Load List...": the file picked in the open dialog replaces the file list, then "File list
// loaded from " + path. A listed report that no longer exists stays listed: the digest run names
// it when it reaches it. Cancelling changes nothing. Throws Failure, leaving the list as it was,
// when the file cannot be read.
void loadList(GridTable &files, Ui &ui);

} // namespace FileListFile
