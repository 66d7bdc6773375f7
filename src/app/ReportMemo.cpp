#include "ReportMemo.h"

#include "common/Failure.h"

#include <QEvent>
#include <QFontDatabase>
#include <QTextBlock>

ReportMemo::ReportMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("meSysmon"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Reports line their figures up in fixed-width columns.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setVisible(false);
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (!filling_)
            edited_ = true;
    });
}

void ReportMemo::cover(QWidget *area)
{
    area_ = area;
    area_->installEventFilter(this);
    setGeometry(area_->geometry());
}

bool ReportMemo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == area_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        setGeometry(area_->geometry());
    return QPlainTextEdit::eventFilter(watched, event);
}

TextLines ReportMemo::lines() const
{
    takeEdits();
    return lines_;
}

void ReportMemo::takeEdits() const
{
    if (!edited_)
        return;
    // Block by block: the document's plain text would turn no-break spaces into blanks.
    QStringList edited;
    edited.reserve(document()->blockCount());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        edited << block.text();
    // As when a report is loaded, a line break at the very end makes no empty last line.
    if (!edited.isEmpty() && edited.last().isEmpty())
        edited.removeLast();
    lines_ = TextLines(edited);
    edited_ = false;
}

void ReportMemo::setLines(const TextLines &lines)
{
    if (isShowing())
        checkFitsView(lines);
    lines_ = lines;
    edited_ = false;
    if (isShowing())
        fillView();
}

void ReportMemo::clearLines()
{
    setLines({});
}

void ReportMemo::showReport()
{
    if (isShowing())
        return;
    takeEdits();
    checkFitsView(lines_);
    fillView();
    if (area_)
        setGeometry(area_->geometry());
    raise();
    show();
    setFocus();
}

void ReportMemo::hideReport()
{
    if (!isShowing())
        return;
    takeEdits();
    hide();
    emptyView();
}

void ReportMemo::fillView()
{
    filling_ = true;
    setPlainText(lines_.joined());
    filling_ = false;
}

void ReportMemo::emptyView()
{
    filling_ = true;
    clear();
    filling_ = false;
}

void ReportMemo::checkFitsView(const TextLines &lines)
{
    const qsizetype characters = lines.characters();
    if (characters > maxViewCharacters) {
        throw Failure(QStringLiteral("The report is too large for the report view: %1 characters, at most %2.")
                          .arg(characters)
                          .arg(maxViewCharacters));
    }
    qsizetype longest = 0;
    for (QStringView line : lines)
        longest = std::max(longest, line.size());
    if (longest > maxViewLineLength) {
        throw Failure(QStringLiteral("The report has a line of %1 characters, too long for the report view "
                                     "(at most %2).")
                          .arg(longest)
                          .arg(maxViewLineLength));
    }
}
