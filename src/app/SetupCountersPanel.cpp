#include "SetupCountersPanel.h"

#include "BusyGuard.h"
#include "Controls.h"
#include "GridView.h"
#include "counters/CategorySelection.h"
#include "grid/GridTable.h"
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

// A box shows what the section table's row names, in the item's own letter case and with that
// item selected, or nothing at all when no item matches. Selecting the item has already put its
// text in; writing the same text again would move the view of a long text to its end.
void showInBox(QComboBox *box, const CategorySelection::BoxSetting &setting)
{
    box->setCurrentIndex(setting.index);
    if (box->currentText() != setting.text)
        box->setEditText(setting.text);
}

void revealCurrentCell(GridView *view)
{
    const GridTable &table = view->table();
    view->scrollTo(table.index(table.currentRow() - 1, table.currentColumn()));
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
    announceButtons();
    announceGridEvents();
}

void SetupCountersPanel::announceButtons()
{
    connect(btOpenLoadSysmonFile, &QPushButton::clicked, this, &SetupCountersPanel::loadReportRequested);
    connect(btDivideIntoSubs, &QPushButton::clicked, this, &SetupCountersPanel::parseRequested);
    connect(btExportOne, &QPushButton::clicked, this, &SetupCountersPanel::exportRequested);
    connect(btOpenSysmonFile, &QPushButton::clicked, this, &SetupCountersPanel::showReportRequested);
    connect(btSearch, &QPushButton::clicked, this, &SetupCountersPanel::findRequested);
    // Enter, also on the keypad, finds: it never adds, whatever "Add &Matching" says.
    connect(edSearch, &QLineEdit::returnPressed, this, &SetupCountersPanel::findRequested);
    connect(bbtAddCounter, &QPushButton::clicked, this, &SetupCountersPanel::addCounterRequested);
    connect(btClearCounters, &QPushButton::clicked, this, &SetupCountersPanel::clearCountersRequested);
    connect(btSaveCounters, &QPushButton::clicked, this, &SetupCountersPanel::saveCountersRequested);
    connect(btLoadCounters, &QPushButton::clicked, this, &SetupCountersPanel::loadCountersRequested);
}

// Only the user's own moves in the section table are announced: on both the press and the release
// of a key or a mouse button, and when the pointer enters. Not every change of the current cell,
// because Find Counter moves it too.
void SetupCountersPanel::announceGridEvents()
{
    connect(sgSysmonSections, &GridView::keyPressed, this, &SetupCountersPanel::sectionTableVisited);
    connect(sgSysmonSections, &GridView::keyReleased, this, &SetupCountersPanel::sectionTableVisited);
    connect(sgSysmonSections, &GridView::mousePressed, this, &SetupCountersPanel::sectionTableVisited);
    connect(sgSysmonSections, &GridView::mouseReleased, this, &SetupCountersPanel::sectionTableVisited);
    connect(sgSysmonSections, &GridView::mouseEntered, this, &SetupCountersPanel::sectionTableVisited);
    // A double click adds a counter as "&Add Counter" does, and is refused whenever that is.
    connect(sgSysmonSections, &GridView::doubleClicked, this, [this] {
        if (bbtAddCounter->isEnabled())
            emit sectionDoubleClicked();
    });
    connect(sgSysmonCounters, &GridView::keyPressed, this, [this](int key) { emit counterSetKeyPressed(key); });
}

CounterSelection::CategoryTexts SetupCountersPanel::categoryTexts() const
{
    return { cbTopCategory->currentText(), cbSubCategory1->currentText(), cbSubCategory2->currentText(),
             cbCountType->currentText() };
}

QString SetupCountersPanel::searchText() const
{
    return edSearch->text();
}

bool SetupCountersPanel::addMatching() const
{
    return cbAddMatching->isChecked();
}

void SetupCountersPanel::setCategoryItems(const CategoryLists &lists)
{
    replaceItems(cbTopCategory, lists.sections);
    replaceItems(cbSubCategory1, lists.subSections1);
    replaceItems(cbSubCategory2, lists.subSections2);
}

void SetupCountersPanel::setCounterTypeItems(const QStringList &types)
{
    replaceItems(cbCountType, types);
}

void SetupCountersPanel::showCategory(const CategorySelection::Setting &setting)
{
    showInBox(cbTopCategory, setting.section);
    showInBox(cbSubCategory1, setting.subSection1);
    showInBox(cbSubCategory2, setting.subSection2);
    showInBox(cbCountType, setting.counterType);
}

void SetupCountersPanel::revealCurrentSection()
{
    revealCurrentCell(sgSysmonSections);
}

void SetupCountersPanel::revealCurrentCounter()
{
    revealCurrentCell(sgSysmonCounters);
}

void SetupCountersPanel::focusSearch()
{
    edSearch->setFocus(Qt::ShortcutFocusReason);
}

void SetupCountersPanel::refuseWhileBusy(BusyGuard &busy)
{
    busy.refuse(btOpenLoadSysmonFile);
    busy.refuse(btOpenSysmonFile);
    busy.refuse(btDivideIntoSubs);
    busy.refuse(btExportOne);
    busy.refuse(btSaveCounters);
    busy.refuse(btLoadCounters);
    busy.refuse(btSearch);
    busy.freeze(sgSysmonSections);
}

void SetupCountersPanel::refuseCounterEditsWhileDigesting(BusyGuard &digestBusy)
{
    digestBusy.refuse(bbtAddCounter);
    digestBusy.refuse(btClearCounters);
    digestBusy.refuse(btLoadCounters);
    digestBusy.refuse(sgSysmonCounters);
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
