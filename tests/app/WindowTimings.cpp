// Measures what the user waits for: the window's start-up, a large report loaded into the report
// text and shown in the report view, and a report with a subheading a megabyte long parsed into
// the section table and its category box. Not a test; run it by hand under a display, e.g.
//   xvfb-run -a build/tests/app/quorvel_window_timings startup
//   xvfb-run -a build/tests/app/quorvel_window_timings load 10
//   xvfb-run -a build/tests/app/quorvel_window_timings load 300
//   xvfb-run -a build/tests/app/quorvel_window_timings longline 8
//   xvfb-run -a build/tests/app/quorvel_window_timings wideparse 1
#include "GridView.h"
#include "ReportMemo.h"
#include "TfmQuorvel.h"

#include "common/Failure.h"
#include "report/ReportLoader.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

double millisecondsOf(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return double(timer.nsecsElapsed()) / 1e6;
}

void report(const char *what, double ms)
{
    std::printf("%-52s %9.1f ms\n", what, ms);
}

// A report of about `megabytes` MB made by repeating a real report.
QString writeLargeReport(const QTemporaryDir &dir, int megabytes)
{
    QFile source(QStringLiteral(QUORVEL_REAL_REPORTS "/ase160_spec_tpcc_notes.txt"));
    if (!source.open(QIODevice::ReadOnly))
        qFatal("the real reports are missing");
    const QByteArray one = source.readAll();
    const QString path = dir.filePath(QStringLiteral("large.txt"));
    QFile large(path);
    if (!large.open(QIODevice::WriteOnly))
        qFatal("cannot write the large report");
    const qint64 wanted = qint64(megabytes) * 1024 * 1024;
    while (large.size() < wanted)
        large.write(one);
    std::printf("report of %.1f MB\n", double(large.size()) / (1024 * 1024));
    return path;
}

QString writeLongLine(const QTemporaryDir &dir, int megabytes)
{
    const QString path = dir.filePath(QStringLiteral("longline.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the long line");
    file.write("Kernel Utilization\n");
    file.write(QByteArray(qsizetype(megabytes) * 1024 * 1024, '7'));
    file.write("\nEnd of Report\n");
    std::printf("one line of %d MB\n", megabytes);
    return path;
}

void measureLoad(TfmQuorvel &window, const QString &path)
{
    auto *memo = window.findChild<ReportMemo *>(QStringLiteral("meSysmon"));
    TextLines lines;
    try {
        report("read and split the file", millisecondsOf([&] { lines = ReportLoader::load(path); }));
    } catch (const Failure &failure) {
        std::printf("refused: %s\n", qPrintable(failure.message()));
        return;
    }
    report("into the report text, view hidden", millisecondsOf([&] { window.replaceReportLines(lines); }));
    report("snapshot for the parser", millisecondsOf([&] { lines = window.reportLines(); }));
    try {
        report("show the report view and paint it", millisecondsOf([&] {
                   memo->showReport();
                   memo->viewport()->repaint();
               }));
        report("load again while the view shows", millisecondsOf([&] {
                   window.replaceReportLines(ReportLoader::load(path));
                   memo->viewport()->repaint();
               }));
        report("scroll to the end and paint", millisecondsOf([&] {
                   memo->moveCursor(QTextCursor::End);
                   memo->viewport()->repaint();
               }));
        report("hide the report view (Esc)", millisecondsOf([&] { memo->hideReport(); }));
    } catch (const Failure &failure) {
        std::printf("the report view refused: %s\n", qPrintable(failure.message()));
    }
}

// A subheading of `megabytes` MB: every counter row under it carries it as its subsection path,
// and the subsection box lists it.
void measureWideParse(TfmQuorvel &window, int megabytes)
{
    QStringList lines { QStringLiteral("Sybase Adaptive Server Enterprise"), QStringLiteral("Wide Section"),
                        QStringLiteral("------------"),
                        QStringLiteral("  ") + QString(qsizetype(megabytes) * 1024 * 1024, u'w') };
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("    Counter %1            1.5           2.5          %1       4.5 %").arg(i);
    std::printf("a subheading of %d MB over 1000 counter lines\n", megabytes);
    window.replaceReportLines(TextLines(lines));

    auto *sections = window.findChild<GridView *>(QStringLiteral("sgSysmonSections"));
    auto *parse = window.findChild<QPushButton *>(QStringLiteral("btDivideIntoSubs"));
    report("parse, the section table showing", millisecondsOf([&] { parse->click(); }));
    report("paint the section table", millisecondsOf([&] { sections->viewport()->repaint(); }));
    report("scroll the section table to the end and paint", millisecondsOf([&] {
               sections->scrollToBottom();
               sections->viewport()->repaint();
           }));
    auto *box = window.findChild<QComboBox *>(QStringLiteral("cbSubCategory1"));
    report("open the subsection box's list and paint it", millisecondsOf([&] {
               box->showPopup();
               box->view()->viewport()->repaint();
           }));
    report("close the list", millisecondsOf([&] { box->hidePopup(); }));
    report("pick the wide subsection in the box", millisecondsOf([&] {
               box->setCurrentIndex(0);
               box->repaint();
           }));
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    const QString mode = app.arguments().value(1, QStringLiteral("startup"));
    const int megabytes = app.arguments().value(2, QStringLiteral("10")).toInt();

    TfmQuorvel window;
    QObject::connect(&window, &TfmQuorvel::startupFinished, &app, [&] {
        report("start-up to a usable window", double(sinceStart.nsecsElapsed()) / 1e6);
        QTemporaryDir dir;
        if (mode == QStringLiteral("load"))
            measureLoad(window, writeLargeReport(dir, megabytes));
        else if (mode == QStringLiteral("longline"))
            measureLoad(window, writeLongLine(dir, megabytes));
        else if (mode == QStringLiteral("wideparse"))
            measureWideParse(window, megabytes);
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    });
    window.show();
    return app.exec();
}
