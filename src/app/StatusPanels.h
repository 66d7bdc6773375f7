#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The window's status bar: panel 0 (150 pixels) shows parse progress, panel 1 (600 pixels) the
// tab's help text and every progress or result message, panel 2 file-name tails and counts and
// stretches to the right edge. While a digest runs, a progress bar in the place of panel 2 shows how
// far it has got.
class StatusPanels : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int panelCount = 3;

    explicit StatusPanels(QWidget *parent = nullptr);

    void setText(int panel, const QString &text);
    QString text(int panel) const;

    // Shows the progress bar at `done` of `total` steps with `text` on it, in the place of panel 2,
    // which keeps its text for when the bar goes.
    void showProgress(int done, int total, const QString &text);
    void hideProgress();

private:
    QLabel *panels_[panelCount] = {};
    QProgressBar *progress_ = nullptr;
};
