#pragma once

#include "CharacterPairs.h"
#include "TextSearch.h"
#include "common/TextRules.h"

#include <QStringView>

// One line of the report with the pairs of characters it holds, so that most of the many tests for
// a text the line lacks end without a search.
struct ReportLine
{
    ReportLine() = default;
    explicit ReportLine(QStringView line) : text(line), pairs(line) { }

    QStringView text;
    CharacterPairs pairs;

    bool contains(QStringView needle) const { return indexOf(needle) >= 0; }
    bool contains(QChar c) const { return TextSearch::contains(text, c); }
    // `lowerNeedle` is already lower case; ASCII letters of the line are folded.
    bool containsAnyCase(QStringView lowerNeedle) const { return indexOfAnyCase(lowerNeedle) >= 0; }

    qsizetype indexOf(QStringView needle, qsizetype from = 0) const
    {
        return pairs.mayHold(needle) ? TextSearch::indexOf(text, needle, from) : -1;
    }
    qsizetype indexOfAnyCase(QStringView lowerNeedle, qsizetype from = 0) const
    {
        return pairs.mayHold(lowerNeedle) ? TextRules::indexOfAnyCase(text, lowerNeedle, from) : -1;
    }

    // The part of the line from 0-based `position` on; empty past the end.
    QStringView from(qsizetype position) const { return position >= text.size() ? QStringView() : text.mid(position); }
};
