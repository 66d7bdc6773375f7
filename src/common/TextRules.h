#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The text conventions every command shares: positions count from 1, pieces clamp at both ends,
// trimming removes spaces and control characters, and case folding touches ASCII letters only,
// so that a report or counter name with accented letters is never changed behind the user's back.
namespace TextRules {

// A character that trimming removes: a space or a control character (code 32 or below).
inline bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

QString trimmed(QStringView text);
// The same piece of `text`, without a copy.
QStringView trimmedView(QStringView text);
bool isBlankText(QStringView text);

QString asciiLower(QStringView text);
QString asciiUpper(QStringView text);
// asciiLower() into `into`, in the room it has: for a look-up key made over and over.
void asciiLowerInto(QStringView text, QString &into);

// Whether `lowerNeedle` (already lower case) occurs in `text` with ASCII letters folded.
bool containsAnyCase(QStringView text, QStringView lowerNeedle);
// 0-based index of `lowerNeedle` in `text` with ASCII letters folded, or -1.
qsizetype indexOfAnyCase(QStringView text, QStringView lowerNeedle, qsizetype from = 0);
bool equalsAnyCase(QStringView a, QStringView b);
// The first item equal to `text` with ASCII letter case ignored, or -1. An empty text matches no
// item.
int indexOfItem(const QStringList &items, QStringView text);

// The piece of `text` that starts at 1-based `position` and is `count` characters long. A piece
// that would start before the first character starts at the first character and keeps its
// width; a piece that reaches past the end yields what there is.
QStringView piece(QStringView text, qsizetype position, qsizetype count);
// The first `count` characters, or the whole text when it is shorter.
QStringView leftPiece(QStringView text, qsizetype count);
// The last `count` characters, or the whole text when it is shorter.
QStringView rightPiece(QStringView text, qsizetype count);

} // namespace TextRules
