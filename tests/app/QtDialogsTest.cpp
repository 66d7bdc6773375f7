// The real save dialog: a preset such as "*.ini" is a file type filter, never a file name, and a
// typed name holding a wildcard is refused. The dialog is set up and accepted without being shown.
#include "QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class QtDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void aWildcardPresetIsAFilterAndAnyOtherPresetAName()
    {
        for (const QString &pattern : { u"*.ini"_s, u"*.csv"_s, u"*.png"_s }) {
            const QtDialogs::SavePreset setup = QtDialogs::savePresetFor(pattern);
            QCOMPARE(setup.nameFilters, (QStringList { pattern, u"All files (*)"_s }));
            QCOMPARE(setup.fileName, QString());
        }
        for (const QString &name : { u"digest.csv"_s, QString() }) {
            const QtDialogs::SavePreset setup = QtDialogs::savePresetFor(name);
            QCOMPARE(setup.nameFilters, QStringList { u"All files (*)"_s });
            QCOMPARE(setup.fileName, name);
        }
    }

    void theSaveDialogWritesOnlyANameTheUserCouldMean()
    {
        QWidget window;
        QtDialogs dialogs(&window);
        auto *dlgSave = window.findChild<QFileDialog *>(u"dlgSave"_s);
        QVERIFY(dlgSave);
        QTemporaryDir folder;
        dlgSave->setDirectory(folder.path());
        const QString inFolder = folder.path() + u'/';

        QtDialogs::presetSaveDialog(*dlgSave, u"mine.ini"_s);
        QCOMPARE(dlgSave->selectedFiles(), QStringList { inFolder + u"mine.ini"_s });
        // The pattern filters the list; the name box, with the name the last command left, empties.
        QtDialogs::presetSaveDialog(*dlgSave, u"*.ini"_s);
        QCOMPARE(dlgSave->nameFilters(), (QStringList { u"*.ini"_s, u"All files (*)"_s }));
        QCOMPARE(dlgSave->selectedNameFilter(), u"*.ini"_s);
        QCOMPARE(dlgSave->selectedFiles(), QStringList { folder.path() });

        QSignalSpy accepted(dlgSave, &QDialog::accepted);
        QString refusal;
        QTimer::singleShot(0, dlgSave, [&] {
            if (auto *box = dlgSave->findChild<QMessageBox *>()) {
                refusal = box->text();
                box->accept();
            }
        });
        dlgSave->selectFile(u"a*.ini"_s); // as if typed
        QMetaObject::invokeMethod(dlgSave, "accept");
        QCoreApplication::processEvents();
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(refusal, u"\"a*.ini\" is not a valid file name: a file name cannot contain * or ?."_s);

        dlgSave->selectFile(u"mine"_s); // no extension is added
        QMetaObject::invokeMethod(dlgSave, "accept");
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dlgSave->selectedFiles(), QStringList { inFolder + u"mine"_s });
    }
};

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
