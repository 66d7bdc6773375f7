#include "TfmQuorvel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TfmQuorvel fmQuorvel;
    fmQuorvel.show();
    return app.exec();
}
