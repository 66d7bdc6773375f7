#include "DemoStart.h"

#include "TfmQuorvel.h"

#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/Ui.h"
#include "demo/DemoReports.h"
#include "digest/FileListLayout.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace DemoStart {

namespace {

void listReports(TfmQuorvel &window, const QStringList &reports)
{
    const GridTable::BulkUpdate bulk(window.sgFiles);
    for (const QString &report : reports)
        window.sgFiles.setCell(FileListLayout::Path, window.sgFiles.appendRow(FileListLayout::Path), report);
}

} // namespace

void prepare(TfmQuorvel &window)
{
    std::optional<DemoReports::Folder> folder;
    std::optional<QString> failure = CommandGuard::failureOf([&] {
        folder = DemoReports::writeFreshFolder();
        if (!QDir::setCurrent(folder->path))
            throw Failure(u"Cannot work in %1."_s.arg(QDir::toNativeSeparators(folder->path)));
    });
    QObject::connect(&window, &TfmQuorvel::startupFinished, &window, [&window, folder, failure] {
        if (failure) {
            window.ui().error(CommandGuard::errorText(u"Demo"_s, *failure));
            return;
        }
        listReports(window, folder->reports);
        // The file list shows where the reports are; the narrow panel has room for the folder's name.
        window.ui().setStatus(StatusPanel::Files, QFileInfo(folder->path).fileName());
        window.ui().setStatus(StatusPanel::Messages,
                              u"Demo: %1 reports listed. Now the Digest tab {Start Parsing->Pick a Row->Display}"_s.arg(
                                  folder->reports.size()));
    });
}

} // namespace DemoStart
