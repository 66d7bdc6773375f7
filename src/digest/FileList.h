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

// What files dropped from a file manager add, in the order dropped: a file as it is (the user chose
// it), a folder as the Sysmon reports directly inside it, sorted by name (hidden files and
// subfolders left out). A folder of reports also holds notes, counter sets and exports, each of
// which would give the digest an empty column that counts in the averages.
struct Dropped
{
    QStringList paths;
    // The files of the folders that are no Sysmon reports.
    int skipped = 0;
};
Dropped droppedPaths(const QStringList &dropped);

// Adds what droppedPaths() gives as the open dialog's choice is added; panel 1 then also says how
// many files of the folders were skipped.
void addDropped(GridTable &files, const QStringList &dropped, Ui &ui);

// The Delete key: removes the current entry without a question; the entries below move up, and a
// single entry is emptied instead, which leaves the empty list.
void removeCurrent(GridTable &files);

// Whether the list holds a file at all: an empty first path means it does not.
bool hasFiles(const GridTable &files);

// The listed paths in digest order.
QStringList paths(const GridTable &files);

} // namespace FileList
