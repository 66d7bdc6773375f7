#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <iterator>

// The lines of one text, such as a whole report, held as a single buffer: the lines joined by '\n'.
// Memory follows the size of the text, not its
// number of lines: a report of millions of empty lines costs what its characters cost. Copies share
// the buffer, so a snapshot for a parse is free and no later edit can change what it reads.
//
// Lines are read front to back as views into the buffer:
//
//     qsizetype index = 0;
//     for (QStringView line : report)      // valid while `report` (or a copy) lives
//         handle(index++, line);
//
// There is no access by index: nothing needs it, and an index of every line would cost as much as
// the text for a file of empty lines.
class TextLines
{
public:
    TextLines() = default;
    // One element per line; a line must not hold CR or LF.
    explicit TextLines(const QStringList &lines);

    // Splits `text` at CR LF, LF alone or CR alone. A line break at the very end adds no empty
    // line, and an empty text has no lines. The text is taken over and its line ends are rewritten
    // in place.
    static TextLines fromText(QString text);

    qsizetype count() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    // Characters of all lines and their breaks.
    qsizetype characters() const { return text_.size(); }

    // The lines joined by '\n', as a text control shows them.
    const QString &joined() const { return text_; }
    QStringList toStringList() const;

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QStringView;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = QStringView;

        const_iterator() = default;
        QStringView operator*() const { return QStringView(text_.data() + start_, end_ - start_); }
        const_iterator &operator++()
        {
            start_ = end_ + 1;
            if (start_ <= text_.size())
                findEnd();
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const const_iterator &a, const const_iterator &b) { return a.start_ == b.start_; }

    private:
        friend class TextLines;
        const_iterator(QStringView text, qsizetype start, bool atEnd) : text_(text), start_(start)
        {
            if (!atEnd)
                findEnd();
        }
        // Report lines are short, and a search call into Qt costs more than looking at a few dozen
        // characters here; a long line is left to Qt's vectorised search.
        void findEnd()
        {
            constexpr qsizetype lookedAtHere = 128;
            const char16_t *const chars = text_.utf16();
            const qsizetype here = std::min(text_.size(), start_ + lookedAtHere);
            for (end_ = start_; end_ < here; ++end_) {
                if (chars[end_] == u'\n')
                    return;
            }
            const qsizetype at = end_ < text_.size() ? text_.sliced(end_).indexOf(u'\n') : -1;
            end_ = at < 0 ? text_.size() : end_ + at;
        }

        QStringView text_;
        qsizetype start_ = 0;
        qsizetype end_ = 0;
    };

    const_iterator begin() const { return const_iterator(text_, 0, count_ == 0); }
    // Past the last line's end (the text's end), or at the start of a text without lines.
    const_iterator end() const { return const_iterator(text_, count_ == 0 ? 0 : text_.size() + 1, true); }

    friend bool operator==(const TextLines &a, const TextLines &b)
    {
        return a.count_ == b.count_ && a.text_ == b.text_;
    }

private:
    // Without a break after the last line: "" holds one empty line when count_ is 1, none when 0.
    QString text_;
    qsizetype count_ = 0;
};
