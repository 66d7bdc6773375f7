#pragma once

#include <QAction>
#include <QList>
#include <QPointer>
#include <QWidget>

class GridView;

// While a long command (a parse, a digest run) works on its own threads, the commands that would
// change or read what it works on, or open a dialog on top of it, must not start: they would swap
// the report text or rebuild the section table under it, or export a half-built table. The guard
// greys those controls out for as long as the command runs, so the user sees at once what is not
// available now, and stops in-place editing and dragging in the grids the command writes.
// Everything else (Esc, the tab bar, the other controls) stays live.
class BusyGuard
{
public:
    explicit BusyGuard(QWidget &window);

    // A control whose command is refused while the window is busy.
    void refuse(QWidget *control);
    // A menu item likewise.
    void refuse(QAction *item);
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
    QList<QPointer<QAction>> refusedItems_;
    QList<QPointer<QAction>> disabledItems_;
    QList<QPointer<GridView>> frozen_;
    // The controls this guard disabled; only these are enabled again.
    QList<QPointer<QWidget>> disabled_;
    // A refused control that had the focus loses it while greyed out; it gets it back afterwards
    // unless the user has put the focus elsewhere in the meantime.
    QPointer<QWidget> focusBefore_;
    QPointer<QWidget> focusWhileBusy_;
    int depth_ = 0;
};
