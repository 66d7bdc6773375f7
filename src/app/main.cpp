#include "TfmQuorvel.h"

#include "common/TextLineList.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The line buffer of counter set files and exports lives from before the window until after it.
    TextLineList vStrList;
    QApplication app(argc, argv);
    TfmQuorvel fmQuorvel(vStrList);
    fmQuorvel.show();
    return app.exec();
}
