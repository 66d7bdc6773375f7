#include "DemoStart.h"
#include "TfmQuorvel.h"
#include "common/DetachedThread.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The installed desktop entry and icon; a window started from the build folder has neither.
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quorvel")));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quorvel: Sysmon reports of Sybase ASE, digested and charted."));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Start on a day of demo reports written into a new folder under the "
                                                 "temporary folder, with a counter set to digest them with."));
    parser.addOption(demo);
    parser.process(app);

    TfmQuorvel fmQuorvel;
    if (parser.isSet(demo))
        DemoStart::prepare(fmQuorvel);
    fmQuorvel.show();
    const int status = app.exec();
    // A parse or a digest the window walked away from stops at its next line; one blocked in a read
    // of a hung file share is left behind after a while.
    DetachedThread::waitForAll(2000);
    return status;
}
