#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// A list of texts held end to end in one string: a few hundred short texts cost two allocations
// rather than one each, on the thread that writes them and on the one that drops them, and they
// are read from one stretch of memory.
class PackedTexts
{
public:
    void reserve(qsizetype count, qsizetype characters)
    {
        ends_.reserve(std::size_t(count));
        texts_.reserve(characters);
    }

    void append(QStringView text)
    {
        texts_ += text;
        ends_.push_back(texts_.size());
    }

    qsizetype size() const { return qsizetype(ends_.size()); }

    // Valid as long as the list is not changed.
    QStringView operator[](qsizetype index) const
    {
        const qsizetype start = index == 0 ? 0 : ends_[std::size_t(index - 1)];
        return QStringView(texts_).sliced(start, ends_[std::size_t(index)] - start);
    }

    QStringList toList() const
    {
        QStringList list;
        list.reserve(size());
        for (qsizetype i = 0; i < size(); ++i)
            list << (*this)[i].toString();
        return list;
    }

private:
    QString texts_;
    std::vector<qsizetype> ends_;
};
