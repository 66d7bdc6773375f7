#include "CounterCommands.h"

#include "DigestPanel.h"
#include "GridView.h"
#include "SetupCountersPanel.h"
#include "TfmQuorvel.h"

#include "common/CommandGuard.h"
#include "common/TextFile.h"
#include "counters/CategorySelection.h"
#include "counters/CounterCommandNames.h"
#include "counters/CounterFinder.h"
#include "counters/CounterSelection.h"
#include "counters/CounterSetExport.h"
#include "counters/CounterSetFile.h"
#include "counters/CounterTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString errorName(const char16_t *name)
{
    return QString::fromUtf16(name);
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

} // namespace

CounterCommands::CounterCommands(TfmQuorvel &window, TextEncoding &counterFileEncoding) :
    QObject(&window), window_(window), counterFileEncoding_(counterFileEncoding)
{
    wireSectionTable();
    wireCounterSet();
    wireButtons();
}

// The boxes follow the user's own moves only: on both the press and the release of a key or a
// mouse button (the release sees the cell the grid has moved to) and when the pointer enters. Not
// on every change of the current cell, because Find Counter moves it too and must leave the boxes
// alone.
void CounterCommands::wireSectionTable()
{
    GridView *sections = window_.paSetupCounters->sgSysmonSections;
    connect(sections, &GridView::keyPressed, this, &CounterCommands::SetCategory);
    connect(sections, &GridView::keyReleased, this, &CounterCommands::SetCategory);
    connect(sections, &GridView::mousePressed, this, &CounterCommands::SetCategory);
    connect(sections, &GridView::mouseReleased, this, &CounterCommands::SetCategory);
    connect(sections, &GridView::mouseEntered, this, &CounterCommands::SetCategory);
    connect(sections, &GridView::doubleClicked, this, &CounterCommands::sgSysmonSectionsDblClick);
}

void CounterCommands::wireCounterSet()
{
    connect(window_.paSetupCounters->sgSysmonCounters, &GridView::keyPressed, this,
            [this](int key) { sgSysmonCountersKeyDown(key); });
}

void CounterCommands::wireButtons()
{
    const SetupCountersPanel *panel = window_.paSetupCounters;
    connect(panel->bbtAddCounter, &QPushButton::clicked, this, &CounterCommands::bbtAddCounterClick);
    connect(panel->btClearCounters, &QPushButton::clicked, this, &CounterCommands::btClearCountersClick);
    connect(panel->btSaveCounters, &QPushButton::clicked, this, &CounterCommands::btSaveCountersClick);
    connect(panel->btLoadCounters, &QPushButton::clicked, this, &CounterCommands::btLoadCountersClick);
    connect(panel->btSearch, &QPushButton::clicked, this, &CounterCommands::btSearchClick);
    connect(panel->btExportOne, &QPushButton::clicked, this, &CounterCommands::btExportOneClick);
}

void CounterCommands::scrollToCurrentCell(GridView *view)
{
    const GridTable &table = view->table();
    view->scrollTo(table.index(table.currentRow() - 1, table.currentColumn()));
}

TextEncoding CounterCommands::writeEncoding() const
{
    return TextFile::writeEncodingFor(counterFileEncoding_);
}

void CounterCommands::SetCategory()
{
    CommandGuard::run(window_.ui(), errorName(CounterCommandNames::setCategory), [this] {
        GridTable &sections = window_.sgSysmonSections;
        const auto setting = CategorySelection::settingFor(sections, sections.currentRow(), sections.currentColumn(),
                                                           window_.categoryLists, CounterTypes::all());
        if (!setting)
            return;
        CategorySelection::writeHeaderLabels(sections, setting->labels);
        const SetupCountersPanel *panel = window_.paSetupCounters;
        showInBox(panel->cbTopCategory, setting->section);
        showInBox(panel->cbSubCategory1, setting->subSection1);
        showInBox(panel->cbSubCategory2, setting->subSection2);
        showInBox(panel->cbCountType, setting->counterType);
    });
}

void CounterCommands::bbtAddCounterClick()
{
    CommandGuard::run(window_.ui(), errorName(CounterCommandNames::addCounter), [this] {
        const SetupCountersPanel *panel = window_.paSetupCounters;
        // The texts as they stand, typed or picked: not the selected items.
        const CounterSelection::CategoryTexts boxes { panel->cbTopCategory->currentText(),
                                                      panel->cbSubCategory1->currentText(),
                                                      panel->cbSubCategory2->currentText(),
                                                      panel->cbCountType->currentText() };
        CounterSelection::addCounter(window_.sgSysmonCounters, window_.sgSysmonSections, boxes,
                                     panel->cbAddMatching->isChecked(), panel->edSearch->text(), window_.ui());
        scrollToCurrentCell(panel->sgSysmonCounters);
    });
}

// The press and release of the double click have already set the boxes to the clicked cell, so
// this adds the counter the user double-clicked.
void CounterCommands::sgSysmonSectionsDblClick()
{
    bbtAddCounterClick();
}

void CounterCommands::sgSysmonCountersKeyDown(int key)
{
    if (key != Qt::Key_Delete)
        return;
    CommandGuard::run(window_.ui(), errorName(CounterCommandNames::deleteCounter),
                      [this] { CounterSelection::deleteCurrentCounter(window_.sgSysmonCounters); });
}

void CounterCommands::btClearCountersClick()
{
    CommandGuard::run(window_.ui(), errorName(CounterCommandNames::clearCounters),
                      [this] { CounterSelection::clearCounters(window_.sgSysmonCounters); });
}

void CounterCommands::btSaveCountersClick()
{
    CommandGuard::run(window_.ui(), errorName(CounterCommandNames::saveCounters), [this] {
        CounterSetFile::saveCounters(window_.sgSysmonCounters, writeEncoding(), window_.ui());
    });
}

// Shows its own error boxes: the copy under "btLoadCountersClick", the reload under
// "LoadCountersFromIniFile".
void CounterCommands::btLoadCountersClick()
{
    if (const auto found = CounterSetFile::loadCounters(window_.sgSysmonCounters, window_.ui()))
        counterFileEncoding_ = *found;
}

void CounterCommands::btSearchClick()
{
    CounterFinder::findNext(window_.sgSysmonSections, window_.paSetupCounters->edSearch->text(), window_.ui(),
                            window_.abortFlag());
    scrollToCurrentCell(window_.paSetupCounters->sgSysmonSections);
}

void CounterCommands::btExportOneClick()
{
    CommandGuard::run(window_.ui(), errorName(CounterCommandNames::exportCounters), [this] {
        CounterSetExport::exportCsv(window_.sgSysmonCounters, window_.paDigest->edDelimiter->text(), writeEncoding(),
                                    window_.ui());
    });
}
