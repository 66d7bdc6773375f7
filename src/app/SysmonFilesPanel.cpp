#include "SysmonFilesPanel.h"

#include "Controls.h"
#include "GridView.h"

#include <QBoxLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

SysmonFilesPanel::SysmonFilesPanel(GridTable &files, QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paSysmonFiles"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QWidget *bar = Controls::bar(u"paFiles"_s, this);
    btAddFile = Controls::button(u"btAddFile"_s, u"&Add Sysmon File(s)"_s, bar);
    Controls::barLayout(bar)->addStretch(1);
    layout->addWidget(bar);

    GridView::Options options;
    options.columnWidths = { GridView::gutterWidth, 761 };
    options.wholeRows = true;
    options.gutter = true;
    options.movableRows = true;
    sgFiles = new GridView(files, u"sgFiles"_s, options, this);
    layout->addWidget(sgFiles, 1);
}
