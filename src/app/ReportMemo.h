#pragma once

#include "common/TextLines.h"

#include <QPlainTextEdit>

// The report text and the report view in one control (`meSysmon`). The report text is kept as one
// text buffer with its lines, which the parser reads as a snapshot that shares the buffer. The text widget is filled
// only while the report view shows, because laying out a large report costs far more than holding its lines; when the
// user edits the view, the edited lines become the report text.
class ReportMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    // Above these sizes a report is not put into the view: laying it out would freeze the window
    // for longer than anyone waits. The report text itself has no such limit.
    static constexpr qsizetype maxViewCharacters = 16 * 1024 * 1024;
    static constexpr qsizetype maxViewLineLength = 16 * 1024;

    explicit ReportMemo(QWidget *parent);

    // The view lies over `area`, a child of the same parent, and follows its size.
    void cover(QWidget *area);

    TextLines lines() const;
    // Replaces the report text in one step. Throws Failure, leaving the text as it was, when the
    // view shows and cannot hold the new report.
    void setLines(const TextLines &lines);
    void clearLines();

    bool isShowing() const { return !isHidden(); }
    // Throws Failure when the report is too large for the view.
    void showReport();
    void hideReport();

    // Throws Failure when `lines` are too large for the view.
    static void checkFitsView(const TextLines &lines);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillView();
    void emptyView();
    void takeEdits() const;

    // mutable: reading the report text takes the user's edits over into the lines first.
    mutable TextLines lines_;
    mutable bool edited_ = false;
    bool filling_ = false;
    QWidget *area_ = nullptr;
};
