#pragma once

#include "common/TextEncoding.h"

#include <QObject>

struct CategoryLists;
class DigestPanel;
class GridTable;
class SetupCountersPanel;
class Ui;

// The counter selection commands of the first tab: the category boxes that follow the section
// table, Add Counter (also by a double click in the section table), Delete in the counter set,
// Clear, Save and Load Counters, Find Counter and the counter set export. Each handler gathers the
// panel's texts, runs the command inside its guard and puts the outcome on the screen.
class CounterCommands : public QObject
{
    Q_OBJECT

public:
    // The window's tables and fields the commands work on; they outlive the commands.
    struct Workspace
    {
        GridTable &sgSysmonSections;
        GridTable &sgSysmonCounters;
        const CategoryLists &categoryLists;
        Ui &ui;
        // The encoding the last counter set file read was found in: every file the commands write
        // follows it, so a counter set file saved with a byte-order mark is written back the same way.
        TextEncoding &counterFileEncoding;
    };

    // Connects the handlers to the panel's requests. The export takes its delimiter from the
    // digest tab.
    CounterCommands(const Workspace &workspace, SetupCountersPanel &panel, const DigestPanel &digestPanel,
                    QObject *parent);

    void SetCategory();
    void bbtAddCounterClick();
    void sgSysmonSectionsDblClick();
    void sgSysmonCountersKeyDown(int key);
    void btClearCountersClick();
    void btSaveCountersClick();
    void btLoadCountersClick();
    void btSearchClick();
    void btExportOneClick();

private:
    TextEncoding writeEncoding() const;

    Workspace work_;
    SetupCountersPanel &panel_;
    const DigestPanel &digestPanel_;
};
