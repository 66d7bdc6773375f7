#pragma once

#include "TextSearch.h"

#include <QStringView>

// One line of the report together with its ASCII-lowercased twin, so that the many tests that
// ignore letter case fold the line once. Both have the same length: a position found in one holds
// in the other.
struct ReportLine
{
    QStringView text;
    QStringView lower;

    bool contains(QStringView needle) const { return TextSearch::contains(text, needle); }
    bool contains(QChar c) const { return text.contains(c); }
    // `lowerNeedle` is already lower case.
    bool containsAnyCase(QStringView lowerNeedle) const { return TextSearch::contains(lower, lowerNeedle); }

    // The part of the line from 0-based `position` on; empty past the end.
    QStringView from(qsizetype position) const { return position >= text.size() ? QStringView() : text.mid(position); }
    QStringView lowerFrom(qsizetype position) const
    {
        return position >= lower.size() ? QStringView() : lower.mid(position);
    }
};
