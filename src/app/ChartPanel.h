#pragma once

#include <QWidget>

class BusyGuard;
class MonitoringChart;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The chart area at the bottom of the digest tab (`paBottom`): the comparison chart and, below it,
// the bar that chooses what it draws. The controls are the panel's own: the digest run fills the
// value-axis lists, moving through the digest table sets the second one, and Display reads them.
class ChartPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ChartPanel(QWidget *parent = nullptr);

    MonitoringChart &chart() const { return *chrtMonitoring; }

    // Both value-axis lists emptied (items and text), then given `counterNames` in order; the first
    // item of "Y Ax.1" is selected.
    void setValueAxisItems(const QStringList &counterNames);
    // "Y Ax.1" takes a counter charted from the period comparison.
    void setValueAxisText(const QString &counterName);
    // "Y Ax.2" follows the digest table's current row.
    void setValueAxis2Text(const QString &counterName);

    QString valueAxisText() const;
    QString valueAxis2Text() const;
    QString ratioText() const;
    void setRatioText(const QString &text);
    bool setRatio() const;

    // "&Display" and "Save Chart as PNG..." read the digest table: refused while it is being built.
    void refuseWhileBusy(BusyGuard &busy);

signals:
    void displayRequested(); // "&Display"

private:
    QWidget *buildGraphControls();

    MonitoringChart *chrtMonitoring;
    QPushButton *btSetGraph;
    QComboBox *cbValueAxis;
    QComboBox *cbValueAxis2;
    QLineEdit *edRatio;
    QCheckBox *cbSetRatio;
};
