#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class GridView;

// While a long command (a parse, a digest run) hands control back to the window, the commands that
// would change what it works on must not start: they would swap the report text or rebuild the
// section table under it, or start a second parse inside the first. The guard greys those controls
// out for as long as the command runs, so the user sees at once what is not available now, and
// stops in-place editing and dragging in the grids the command writes. Everything else (Esc, the tab bar, the
// other controls) stays live.
class BusyGuard
{
public:
    explicit BusyGuard(QWidget &window);

    // A control whose command is refused while the window is busy.
    void refuse(QWidget *control);
    // A grid the user may not edit in place, nor drag rows or columns of, while the window is busy.
    void freeze(GridView *grid);

    bool busy() const { return depth_ > 0; }

    // The window is busy from the construction of the first scope to the end of the last one;
    // a command run inside another (the digest runs the parse) nests its scope.
    class Scope
    {
    public:
        explicit Scope(BusyGuard &guard);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        BusyGuard &guard_;
    };

private:
    void enter();
    void leave();

    QWidget &window_;
    QList<QPointer<QWidget>> refused_;
    QList<QPointer<GridView>> frozen_;
    // The controls this guard disabled; only these are enabled again.
    QList<QPointer<QWidget>> disabled_;
    // A refused control that had the focus loses it while greyed out; it gets it back afterwards
    // unless the user has put the focus elsewhere in the meantime.
    QPointer<QWidget> focusBefore_;
    QPointer<QWidget> focusWhileBusy_;
    int depth_ = 0;
};
