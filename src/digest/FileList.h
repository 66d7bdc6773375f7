#pragma once

#include <QStringList>

class GridTable;
class Ui;

// The commands of the file list on the second tab: adding reports from the open dialog and removing
// the current entry, plus what a digest run reads of the list.
namespace FileList {

// "&Add Sysmon File(s)": every file chosen in the open dialog, in the dialog's order, goes at the
// end of the list (into the last row while its path is empty). Panel 2 shows the tail of each path
// as it is added, panel 1 "File Added." at the end. Cancelling changes nothing. Paths already
// listed are listed again.
void addFiles(GridTable &files, Ui &ui);

// Adds `paths` as the open dialog's choice is added, with the same status texts; nothing for an
// empty list.
void addPaths(GridTable &files, const QStringList &paths, Ui &ui);

// What files dropped from a file manager add, in the order dropped: a file as it is, a folder as
// the files directly inside it, sorted by name (hidden files and subfolders left out).
QStringList droppedPaths(const QStringList &dropped);

// The Delete key: removes the current entry without a question; the entries below move up, and a
// single entry is emptied instead, which leaves the empty list.
void removeCurrent(GridTable &files);

// Whether the list holds a file at all: an empty first path means it does not.
bool hasFiles(const GridTable &files);

// The listed paths in digest order.
QStringList paths(const GridTable &files);

} // namespace FileList
