#pragma once

#include <QWidget>

class GridTable;
class QSortFilterProxyModel;
class QTableView;

// The report problems of the last digest run (`paProblems`), under the digest table: a list that
// never blocks the window, sorted by any column with a click on its header (by report, by kind,
// ...), in the order the run found them until then. A double click or Enter on a problem asks to
// go to its report's column.
class ProblemsPanel : public QWidget
{
    Q_OBJECT

public:
    // `problems` is laid out as ProblemList says; the panel only shows it.
    explicit ProblemsPanel(GridTable &problems, QWidget *parent = nullptr);

signals:
    // The problem in `row` of the problems table (from 1) was chosen.
    void problemChosen(int row);

private:
    QTableView *sgProblems;
    QSortFilterProxyModel *sorted_;
};
