#include "SetupCountersPanel.h"

#include "Controls.h"
#include "GridView.h"
#include "report/CategoryLists.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>

using namespace Qt::StringLiterals;

namespace {

constexpr int sectionTableHeight = 331;

void replaceItems(QComboBox *box, const QStringList &items)
{
    const QString shown = box->currentText();
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(shown);
}

} // namespace

SetupCountersPanel::SetupCountersPanel(GridTable &counters, GridTable &sections, QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paSetupCounters"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildSysmonControls());
    layout->addWidget(buildSubSection());
    layout->addWidget(buildGrids(counters, sections), 1);
}

void SetupCountersPanel::setCategoryItems(const CategoryLists &lists)
{
    replaceItems(cbTopCategory, lists.sections);
    replaceItems(cbSubCategory1, lists.subSections1);
    replaceItems(cbSubCategory2, lists.subSections2);
}

QWidget *SetupCountersPanel::buildSysmonControls()
{
    QWidget *bar = Controls::bar(u"paSysmonControls"_s, this);
    btOpenLoadSysmonFile = Controls::button(u"btOpenLoadSysmonFile"_s, u"L&oad Sysmon File"_s, bar);
    btDivideIntoSubs = Controls::button(u"btDivideIntoSubs"_s, u"&Parse Sections"_s, bar);
    btExportOne = Controls::button(u"btExportOne"_s, u"E&xport Sections to CSV"_s, bar);
    btOpenSysmonFile = Controls::button(u"btOpenSysmonFile"_s, u"Sho&w File"_s, bar);
    btSearch = Controls::button(u"btSearch"_s, u"&Find Counter"_s, bar);
    edSearch = Controls::lineEdit(u"edSearch"_s, QString(), bar);
    Controls::barLayout(bar)->setStretchFactor(edSearch, 1);
    cbAddMatching = Controls::checkBox(u"cbAddMatching"_s, u"Add &Matching"_s, false, bar);
    cbAddMatching->setToolTip(u"Check this to add all the matching counters when pressing \"add counter\""_s);
    return bar;
}

QWidget *SetupCountersPanel::buildSubSection()
{
    QWidget *bar = Controls::bar(u"paSubSection"_s, this);
    cbTopCategory = Controls::comboBox(u"cbTopCategory"_s, u"Performance Section"_s, bar);
    cbSubCategory1 = Controls::comboBox(u"cbSubCategory1"_s, u"Performance Sub Category"_s, bar);
    cbSubCategory2 = Controls::comboBox(u"cbSubCategory2"_s, u"Performance Sub Category"_s, bar);
    cbCountType = Controls::comboBox(u"cbCountType"_s, u"Counter Type"_s, bar);
    QBoxLayout *layout = Controls::barLayout(bar);
    for (QComboBox *box : { cbTopCategory, cbSubCategory1, cbSubCategory2 })
        layout->setStretchFactor(box, 3);
    layout->setStretchFactor(cbCountType, 1);
    bbtAddCounter = Controls::button(u"bbtAddCounter"_s, u"&Add Counter"_s, bar);
    btClearCounters = Controls::button(u"btClearCounters"_s, u"Clear Co&unters"_s, bar);
    btSaveCounters = Controls::button(u"btSaveCounters"_s, u"&Save Counters"_s, bar);
    btLoadCounters = Controls::button(u"btLoadCounters"_s, u"&Load Counters"_s, bar);
    return bar;
}

QSplitter *SetupCountersPanel::buildGrids(GridTable &counters, GridTable &sections)
{
    splSplit = Controls::splitter(u"splSplit"_s, u"teal"_s, this);

    GridView::Options counterOptions;
    counterOptions.columnWidths = { 302, 254, 245, 84 };
    counterOptions.wholeRows = true;
    sgSysmonCounters = new GridView(counters, u"sgSysmonCounters"_s, counterOptions);
    splSplit->addWidget(Controls::area(u"paControls"_s, sgSysmonCounters));

    GridView::Options sectionOptions;
    sectionOptions.columnWidths = { 181, 163, 157 };
    sectionOptions.defaultColumnWidth = 54;
    sectionOptions.editable = true;
    sgSysmonSections = new GridView(sections, u"sgSysmonSections"_s, sectionOptions);
    splSplit->addWidget(Controls::area(u"paSysmonValues"_s, sgSysmonSections));

    // The section table keeps its height when the window grows; the counter set takes the rest.
    splSplit->setStretchFactor(0, 1);
    splSplit->setStretchFactor(1, 0);
    splSplit->setSizes({ 10 * sectionTableHeight, sectionTableHeight });
    return splSplit;
}
