#include "SysmonFilesPanel.h"

#include "BusyGuard.h"
#include "Controls.h"
#include "GridView.h"

#include <QBoxLayout>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The local paths of a drag, or nothing when it carries anything but local files and folders.
QStringList localPaths(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

SysmonFilesPanel::SysmonFilesPanel(GridTable &files, QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paSysmonFiles"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QWidget *bar = Controls::bar(u"paFiles"_s, this);
    btAddFile = Controls::button(u"btAddFile"_s, u"&Add Sysmon File(s)"_s, bar);
    btSaveList = Controls::button(u"btSaveList"_s, u"&Save List..."_s, bar);
    btLoadList = Controls::button(u"btLoadList"_s, u"&Load List..."_s, bar);
    Controls::barLayout(bar)->addStretch(1);
    layout->addWidget(bar);

    GridView::Options options;
    options.columnWidths = { GridView::gutterWidth, 761 };
    options.wholeRows = true;
    options.gutter = true;
    options.movableRows = true;
    sgFiles = new GridView(files, u"sgFiles"_s, options, this);
    layout->addWidget(sgFiles, 1);

    // The grid takes no drops itself, so files dropped anywhere on the tab arrive here.
    setAcceptDrops(true);
    connect(btAddFile, &QPushButton::clicked, this, &SysmonFilesPanel::addFilesRequested);
    connect(btSaveList, &QPushButton::clicked, this, &SysmonFilesPanel::saveListRequested);
    connect(btLoadList, &QPushButton::clicked, this, &SysmonFilesPanel::loadListRequested);
    connect(sgFiles, &GridView::keyPressed, this, [this](int key) { emit fileListKeyPressed(key); });
}

void SysmonFilesPanel::refuseWhileDigesting(BusyGuard &digestBusy)
{
    digestBusy.refuse(this);
}

void SysmonFilesPanel::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SysmonFilesPanel::dragMoveEvent(QDragMoveEvent *event)
{
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SysmonFilesPanel::dropEvent(QDropEvent *event)
{
    const QStringList paths = localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}
