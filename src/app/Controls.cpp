#include "Controls.h"

#include "LongTextDelegate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>

#include <limits>

namespace Controls {

QWidget *bar(const QString &name, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(name);
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);
    return widget;
}

QBoxLayout *barLayout(QWidget *bar)
{
    return static_cast<QBoxLayout *>(bar->layout());
}

QPushButton *button(const QString &name, const QString &caption, QWidget *bar)
{
    auto *b = new QPushButton(caption, bar);
    b->setObjectName(name);
    b->setAutoDefault(false);
    barLayout(bar)->addWidget(b);
    return b;
}

QCheckBox *checkBox(const QString &name, const QString &caption, bool checked, QWidget *bar)
{
    auto *c = new QCheckBox(caption, bar);
    c->setObjectName(name);
    c->setChecked(checked);
    barLayout(bar)->addWidget(c);
    return c;
}

QLabel *label(const QString &name, const QString &text, QWidget *bar)
{
    auto *l = new QLabel(text, bar);
    l->setObjectName(name);
    barLayout(bar)->addWidget(l);
    return l;
}

QLineEdit *lineEdit(const QString &name, const QString &text, QWidget *bar)
{
    auto *e = new QLineEdit(text, bar);
    e->setObjectName(name);
    barLayout(bar)->addWidget(e);
    return e;
}

QComboBox *comboBox(const QString &name, const QString &text, QWidget *bar)
{
    auto *box = new QComboBox(bar);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(8);
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    box->setItemDelegate(new LongTextDelegate(box));
    box->setEditText(text);
    // A text put into the box by a command shows its beginning, where boxes differ.
    QLineEdit *edit = box->lineEdit();
    // The box's text is what Add Counter copies: a long subsection path must not be cut at the
    // line edit's default limit of 32767 characters.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setCursorPosition(0);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        if (!edit->hasFocus())
            edit->setCursorPosition(0);
    });
    barLayout(bar)->addWidget(box);
    return box;
}

QSplitter *splitter(const QString &name, const QString &colour, QWidget *parent)
{
    auto *s = new QSplitter(Qt::Vertical, parent);
    s->setObjectName(name);
    s->setChildrenCollapsible(false);
    s->setHandleWidth(4);
    s->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: %1; }").arg(colour));
    return s;
}

QWidget *area(const QString &name, QWidget *content, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(name);
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return widget;
}

} // namespace Controls
