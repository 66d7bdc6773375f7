#pragma once

#include "common/TextEncoding.h"

#include <QObject>

class GridView;
class TfmQuorvel;

// The counter selection commands of the first tab: the category boxes that follow the section
// table, Add Counter (also by a double click in the section table), Delete in the counter set,
// Clear, Save and Load Counters, Find Counter and the counter set export. Each handler gathers the
// control texts, runs the command inside its guard and puts the outcome on the screen.
class CounterCommands : public QObject
{
    Q_OBJECT

public:
    // Connects the handlers to the window's controls. `counterFileEncoding` is the window's record
    // of the encoding the last counter set file was found in, which every file it writes follows.
    CounterCommands(TfmQuorvel &window, TextEncoding &counterFileEncoding);

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
    void wireSectionTable();
    void wireCounterSet();
    void wireButtons();

    static void scrollToCurrentCell(GridView *view);
    TextEncoding writeEncoding() const;

    TfmQuorvel &window_;
    TextEncoding &counterFileEncoding_;
};
