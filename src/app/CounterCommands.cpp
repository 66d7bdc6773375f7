#include "CounterCommands.h"

#include "DigestPanel.h"
#include "SetupCountersPanel.h"

#include "CounterCommandNames.h"
#include "common/CommandGuard.h"
#include "common/TextFile.h"
#include "counters/CategorySelection.h"
#include "counters/CounterFinder.h"
#include "counters/CounterSelection.h"
#include "counters/CounterSetExport.h"
#include "counters/CounterSetFile.h"
#include "counters/CounterTypes.h"
#include "grid/GridTable.h"

namespace {

QString errorName(const char16_t *name)
{
    return QString::fromUtf16(name);
}

} // namespace

CounterCommands::CounterCommands(const Workspace &workspace, SetupCountersPanel &panel, const DigestPanel &digestPanel,
                                 QObject *parent) :
    QObject(parent), work_(workspace), panel_(panel), digestPanel_(digestPanel)
{
    connect(&panel, &SetupCountersPanel::sectionTableVisited, this, &CounterCommands::SetCategory);
    connect(&panel, &SetupCountersPanel::sectionDoubleClicked, this, &CounterCommands::sgSysmonSectionsDblClick);
    connect(&panel, &SetupCountersPanel::counterSetKeyPressed, this, &CounterCommands::sgSysmonCountersKeyDown);
    connect(&panel, &SetupCountersPanel::addCounterRequested, this, &CounterCommands::bbtAddCounterClick);
    connect(&panel, &SetupCountersPanel::clearCountersRequested, this, &CounterCommands::btClearCountersClick);
    connect(&panel, &SetupCountersPanel::saveCountersRequested, this, &CounterCommands::btSaveCountersClick);
    connect(&panel, &SetupCountersPanel::loadCountersRequested, this, &CounterCommands::btLoadCountersClick);
    connect(&panel, &SetupCountersPanel::findRequested, this, &CounterCommands::btSearchClick);
    connect(&panel, &SetupCountersPanel::exportRequested, this, &CounterCommands::btExportOneClick);
}

TextEncoding CounterCommands::writeEncoding() const
{
    return TextFile::writeEncodingFor(work_.counterFileEncoding);
}

void CounterCommands::SetCategory()
{
    CommandGuard::run(work_.ui, errorName(CounterCommandNames::setCategory), [this] {
        GridTable &sections = work_.sgSysmonSections;
        const auto setting = CategorySelection::settingFor(sections, sections.currentRow(), sections.currentColumn(),
                                                           work_.categoryLists, CounterTypes::all());
        if (!setting)
            return;
        CategorySelection::writeHeaderLabels(sections, setting->labels);
        panel_.showCategory(*setting);
    });
}

void CounterCommands::bbtAddCounterClick()
{
    CommandGuard::run(work_.ui, errorName(CounterCommandNames::addCounter), [this] {
        CounterSelection::addCounter(work_.sgSysmonCounters, work_.sgSysmonSections, panel_.categoryTexts(),
                                     panel_.addMatching(), panel_.searchText(), work_.ui);
        panel_.revealCurrentCounter();
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
    CommandGuard::run(work_.ui, errorName(CounterCommandNames::deleteCounter),
                      [this] { CounterSelection::deleteCurrentCounter(work_.sgSysmonCounters); });
}

void CounterCommands::btClearCountersClick()
{
    CommandGuard::run(work_.ui, errorName(CounterCommandNames::clearCounters),
                      [this] { CounterSelection::clearCounters(work_.sgSysmonCounters); });
}

void CounterCommands::btSaveCountersClick()
{
    CommandGuard::run(work_.ui, errorName(CounterCommandNames::saveCounters),
                      [this] { CounterSetFile::saveCounters(work_.sgSysmonCounters, writeEncoding(), work_.ui); });
}

// Shows its own error boxes: the copy under "btLoadCountersClick", the reload under
// "LoadCountersFromIniFile".
void CounterCommands::btLoadCountersClick()
{
    if (const auto found =
            CounterSetFile::loadCounters(work_.sgSysmonCounters, work_.ui, errorName(CounterCommandNames::loadCounters),
                                         errorName(CounterCommandNames::loadDefaultCounters)))
        work_.counterFileEncoding = *found;
}

void CounterCommands::btSearchClick()
{
    CounterFinder::findNext(work_.sgSysmonSections, panel_.searchText(), work_.ui);
    panel_.revealCurrentSection();
}

void CounterCommands::btExportOneClick()
{
    CommandGuard::run(work_.ui, errorName(CounterCommandNames::exportCounters), [this] {
        CounterSetExport::exportCsv(work_.sgSysmonCounters, digestPanel_.delimiterText(), writeEncoding(), work_.ui);
    });
}
