#include "BusyGuard.h"

#include "GridView.h"

BusyGuard::BusyGuard(QWidget &window) : window_(window)
{ }

void BusyGuard::refuse(QWidget *control)
{
    refused_ << control;
}

void BusyGuard::refuse(QAction *item)
{
    refusedItems_ << item;
}

void BusyGuard::freeze(GridView *grid)
{
    frozen_ << grid;
}

void BusyGuard::enter()
{
    if (depth_++ > 0)
        return;
    QWidget *focused = window_.focusWidget();
    for (const QPointer<QWidget> &control : std::as_const(refused_)) {
        if (control && control->isEnabled()) {
            control->setEnabled(false);
            disabled_ << control;
        }
    }
    for (const QPointer<QAction> &item : std::as_const(refusedItems_)) {
        if (item && item->isEnabled()) {
            item->setEnabled(false);
            disabledItems_ << item;
        }
    }
    if (focused && !focused->isEnabled()) {
        focusBefore_ = focused;
        focusWhileBusy_ = window_.focusWidget();
    }
    for (const QPointer<GridView> &grid : std::as_const(frozen_)) {
        if (grid)
            grid->lock(true);
    }
}

void BusyGuard::leave()
{
    if (--depth_ > 0)
        return;
    for (const QPointer<GridView> &grid : std::as_const(frozen_)) {
        if (grid)
            grid->lock(false);
    }
    for (const QPointer<QWidget> &control : std::as_const(disabled_)) {
        if (control)
            control->setEnabled(true);
    }
    disabled_.clear();
    for (const QPointer<QAction> &item : std::as_const(disabledItems_)) {
        if (item)
            item->setEnabled(true);
    }
    disabledItems_.clear();
    if (focusBefore_ && window_.focusWidget() == focusWhileBusy_)
        focusBefore_->setFocus(Qt::OtherFocusReason);
    focusBefore_.clear();
    focusWhileBusy_.clear();
}

BusyGuard::Scope::Scope(BusyGuard &guard) : guard_(guard)
{
    guard_.enter();
}

BusyGuard::Scope::~Scope()
{
    guard_.leave();
}
