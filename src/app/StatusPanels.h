#pragma once

#include <QStatusBar>

class QLabel;

// The window's status bar: panel 0 (150 pixels) shows parse progress, panel 1 (600 pixels) the
// tab's help text and every progress or result message, panel 2 file-name tails and counts and
// stretches to the right edge.
class StatusPanels : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int panelCount = 3;

    explicit StatusPanels(QWidget *parent = nullptr);

    void setText(int panel, const QString &text);
    QString text(int panel) const;

private:
    QLabel *panels_[panelCount] = {};
};
