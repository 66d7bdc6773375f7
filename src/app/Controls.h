#pragma once

#include <QString>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QWidget;

// Small builders for the controls of the three tabs, so that every control gets its name, its
// caption and the same look in one line.
namespace Controls {

// A horizontal bar of controls, stacked at the top or bottom of a panel.
QWidget *bar(const QString &name, QWidget *parent);
QBoxLayout *barLayout(QWidget *bar);

QPushButton *button(const QString &name, const QString &caption, QWidget *bar);
QCheckBox *checkBox(const QString &name, const QString &caption, bool checked, QWidget *bar);
QLabel *label(const QString &name, const QString &text, QWidget *bar);
QLineEdit *lineEdit(const QString &name, const QString &text, QWidget *bar);
// An editable drop-down box whose list never grows from what the user types, and whose
// completion keeps the letter case the user typed.
QComboBox *comboBox(const QString &name, const QString &text, QWidget *bar);

// A vertical splitter between the upper and lower area of a panel, with a handle in `colour`.
QSplitter *splitter(const QString &name, const QString &colour, QWidget *parent);

// A plain area of a panel that holds one control filling it.
QWidget *area(const QString &name, QWidget *content, QWidget *parent = nullptr);

} // namespace Controls
