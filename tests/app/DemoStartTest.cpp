// `quorvel --demo`: the window starts on the demo folder, with its reports listed and its counter
// set loaded; a demo that cannot be written leaves the window as it starts without the option.
#include "DemoStart.h"
#include "WindowTestRun.h"

#include "demo/DemoCounters.h"
#include "digest/FileList.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A run of `quorvel --demo`.
struct DemoRun : WindowRun
{
    DemoRun() { DemoStart::prepare(window); }
};

} // namespace

class DemoStartTest : public QObject, private WindowTestRun<DemoRun>
{
    Q_OBJECT

private slots:
    // The demo goes under the temporary folder, which the test moves into its working folder.
    void init()
    {
        enterWorkingFolder();
        testFolder_ = QDir::currentPath();
        savedTemporary_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", testFolder_.toLocal8Bit());
    }

    void cleanup()
    {
        leaveWorkingFolder();
        qputenv("TMPDIR", savedTemporary_);
    }

    void startsOnTheDemoWithItsReportsListedAndItsCountersLoaded()
    {
        DemoRun &r = start();
        const QString demoFolder = QDir::currentPath();
        QVERIFY2(demoFolder.startsWith(testFolder_ + u"/quorvel-demo-"_s), qPrintable(demoFolder));

        QStringList reports;
        for (const QString &name : QDir(demoFolder).entryList({ u"*.txt"_s }, QDir::Files, QDir::Name))
            reports << demoFolder + u'/' + name;
        QCOMPARE(reports.size(), 48);
        QCOMPARE(FileList::paths(r.window.sgFiles), reports);

        QCOMPARE(r.window.sgSysmonCounters.rows(), int(DemoCounters::rows().size()) + 1);
        for (int row = 1; row < r.window.sgSysmonCounters.rows(); ++row) {
            for (int c = 0; c < 4; ++c)
                QCOMPARE(r.window.sgSysmonCounters.cell(c, row), DemoCounters::rows()[row - 1][c]);
        }
        QVERIFY2(r.status(1).startsWith(u"Demo: 48 reports listed."_s), qPrintable(r.status(1)));
        QVERIFY(r.script.errors.isEmpty());
    }

    void aDemoThatCannotBeWrittenIsReportedAndTheWindowStartsAsUsual()
    {
        QFile notAFolder(testFolder_ + u"/not-a-folder"_s);
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        qputenv("TMPDIR", notAFolder.fileName().toLocal8Bit());

        DemoRun &r = start();
        QCOMPARE(r.script.errors.size(), 1);
        QVERIFY2(r.script.errors.first().startsWith(u"APP. ERR (Demo):  Cannot create a folder for the demo"_s),
                 qPrintable(r.script.errors.first()));
        QCOMPARE(QDir::currentPath(), testFolder_);
        QVERIFY(!FileList::hasFiles(r.window.sgFiles));
        QCOMPARE(r.status(1), u"Please Setup Sysmon Counters {Open->Parse->Select->Add}"_s);
    }

private:
    QString testFolder_;
    QByteArray savedTemporary_;
};

QTEST_MAIN(DemoStartTest)
#include "DemoStartTest.moc"
