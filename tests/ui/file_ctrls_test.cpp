// The file picker: the list of "*.VLM" files, OK and Cancel, the name field's click
// and Enter (which does what OK does), and the refusal of a name that is not there.

#include "tests/ui/scripted_dialogs.h"
#include "ui/file_ctrls.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velmora;
using velmora::testing::ScriptedDialogs;

namespace {

void Touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

QStringList Listed(const TFileCtrls& picker) {
    QStringList names;
    for (int i = 0; i < picker.FileListBox1->count(); ++i)
        names << picker.FileListBox1->item(i)->text();
    return names;
}

}  // namespace

class FileCtrlsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString oldFolder_;

private slots:
    void init() {
        oldFolder_ = QDir::currentPath();
        QVERIFY(folder_.isValid());
        QDir::setCurrent(folder_.path());
        Touch("GAME1.VLM");
        Touch("lastgame.vlm");
        Touch("notes.txt");
        QDir().mkdir("saves");
        Touch("saves/OLD.VLM");
    }
    void cleanup() { QDir::setCurrent(oldFolder_); }

    void OkReturnsTheFieldAndShowsTheVlmFilesOfTheFolder() {
        ScriptedDialogs dialogs;
        TFileCtrls picker(dialogs);
        QCOMPARE(picker.windowTitle(), QString("Enter File Name:"));
        QVERIFY(picker.Button1->isDefault());
        QStringList seen;
        QString proposed;
        QTimer::singleShot(0, [&] {
            seen = Listed(picker);
            proposed = picker.FileEdit->text();
            QVERIFY(picker.isVisible());
            picker.FileEdit->setText("mygame");
            picker.Button1->click();
        });
        const auto name = picker.PickFileName("lastgame.vlm");
        QCOMPARE(proposed, QString("lastgame.vlm"));
        QCOMPARE(seen, QStringList({"GAME1.VLM", "lastgame.vlm"}));
        QVERIFY(name.has_value());
        QCOMPARE(QString::fromStdString(*name), QString("mygame"));
        QVERIFY(!picker.isVisible());
        QVERIFY(dialogs.boxes.isEmpty());
    }

    void CancelReturnsNothingAndOkMayReturnAnEmptyName() {
        ScriptedDialogs dialogs;
        TFileCtrls picker(dialogs);
        QTimer::singleShot(0, [&] { picker.Button2->click(); });
        QVERIFY(!picker.PickFileName("X.VLM").has_value());

        QTimer::singleShot(0, [&] {
            picker.FileEdit->clear();
            picker.Button1->click();
        });
        const auto name = picker.PickFileName("X.VLM");
        QVERIFY(name.has_value());
        QVERIFY(name->empty());

        QTimer::singleShot(0, [&] { QTest::keyClick(&picker, Qt::Key_Escape); });
        QVERIFY(!picker.PickFileName("X.VLM").has_value());

        // Accepting the dialog by any other way is OK, never a wait without end.
        QTimer::singleShot(0, [&] { picker.accept(); });
        QCOMPARE(picker.PickFileName("X.VLM").value_or("none"), std::string("X.VLM"));
    }

    void EnterOnTheProposedNameTakesItAsOkDoes() {
        ScriptedDialogs dialogs;
        TFileCtrls picker(dialogs);
        // Enter; should the picker stay open, a Cancel a while later ends the wait.
        auto enter = [&](Qt::Key key) {
            QTimer::singleShot(0, [&picker, key] { QTest::keyClick(picker.FileEdit, key); });
            QTimer::singleShot(2000, &picker, [&picker] {
                if (picker.IsPicking()) picker.Button2->click();
            });
        };
        enter(Qt::Key_Return);
        // The name of a game not saved yet is in no list: it is taken all the same.
        QCOMPARE(picker.PickFileName("newgame.vlm").value_or("none"), std::string("newgame.vlm"));
        enter(Qt::Key_Enter);
        QCOMPARE(picker.PickFileName("GAME1.VLM").value_or("none"), std::string("GAME1.VLM"));
        QVERIFY(dialogs.boxes.isEmpty());
    }

    void EnterOnAMaskOrAFolderAppliesItToTheListAndKeepsThePickerOpen() {
        ScriptedDialogs dialogs;
        TFileCtrls picker(dialogs);
        bool stillOpenAfterEnter = false;
        QStringList txtFiles, savesFiles;
        QTimer::singleShot(0, [&] {
            QLineEdit* field = picker.FileEdit;
            field->setText("*.txt");
            QTest::keyClick(field, Qt::Key_Return);
            txtFiles = Listed(picker);
            stillOpenAfterEnter = picker.isVisible();
            field->setText("saves");
            QTest::keyClick(field, Qt::Key_Enter);
            savesFiles = Listed(picker);
            picker.Button2->click();
        });
        QVERIFY(!picker.PickFileName("").has_value());
        QVERIFY(stillOpenAfterEnter);
        QCOMPARE(txtFiles, QStringList({"notes.txt"}));
        QCOMPARE(savesFiles, QStringList());  // saves/ holds no .txt file
        QCOMPARE(picker.ListedFolder().dirName(), QString("saves"));
        QVERIFY(dialogs.boxes.isEmpty());
    }

    void AListNameThatIsNotThereIsRefused() {
        ScriptedDialogs dialogs;
        TFileCtrls picker(dialogs);
        QString selected;
        QTimer::singleShot(0, [&] {
            picker.ApplyToList("game1.vlm");  // names match whatever their case
            selected = picker.FileListBox1->currentItem()
                           ? picker.FileListBox1->currentItem()->text()
                           : QString();
            picker.ApplyToList("nosuch.vlm");
            picker.Button2->click();
        });
        QVERIFY(!picker.PickFileName("").has_value());
        QCOMPARE(selected, QString("GAME1.VLM"));
        QCOMPARE(dialogs.boxes, QStringList({"message: Invalid file name - nosuch.vlm"}));
    }

    void OkOnAMaskOrAFolderAppliesItAndKeepsThePickerOpen() {
        ScriptedDialogs dialogs;
        TFileCtrls picker(dialogs);
        bool openAfterMask = false, openAfterFolder = false;
        QStringList masked, inFolder, vlmAgain;
        QTimer::singleShot(0, [&] {
            picker.FileEdit->setText("*.txt");
            picker.Button1->click();
            openAfterMask = picker.isVisible();
            masked = Listed(picker);

            picker.FileEdit->setText("saves/");
            picker.Button1->click();
            openAfterFolder = picker.isVisible();
            inFolder = Listed(picker);

            picker.FileEdit->setText("*.vlm");
            picker.Button1->click();
            vlmAgain = Listed(picker);
            picker.FileEdit->setText("mine");
            picker.Button1->click();
        });
        const auto name = picker.PickFileName("lastgame.vlm");
        QVERIFY(openAfterMask);
        QCOMPARE(masked, QStringList({"notes.txt"}));
        QVERIFY(openAfterFolder);
        QVERIFY(inFolder.isEmpty());  // saves/ holds no .txt file
        // A mask without a folder part lists the program's folder again.
        QCOMPARE(vlmAgain, QStringList({"GAME1.VLM", "lastgame.vlm"}));
        QCOMPARE(picker.Mask(), QString("*.vlm"));
        QVERIFY(name.has_value());
        QCOMPARE(QString::fromStdString(*name), QString("mine"));
        QVERIFY(dialogs.boxes.isEmpty());
    }

    void ChoosingAFileWritesItsNameIntoTheField() {
        ScriptedDialogs dialogs;
        TFileCtrls picker(dialogs);
        QTimer::singleShot(0, [&] {
            picker.FileListBox1->setCurrentRow(0);
            picker.Button1->click();
        });
        auto name = picker.PickFileName("");
        QVERIFY(name.has_value());
        QCOMPARE(QString::fromStdString(*name), QString("GAME1.VLM"));

        // In another folder the name carries the folder, so the file is found again.
        QTimer::singleShot(0, [&] {
            picker.FileEdit->setText("saves");
            QTest::keyClick(picker.FileEdit, Qt::Key_Return);
            picker.FileListBox1->setCurrentRow(0);
            picker.Button1->click();
        });
        name = picker.PickFileName("");
        QVERIFY(name.has_value());
        QCOMPARE(QString::fromStdString(*name), QString("saves/OLD.VLM"));
        QVERIFY(dialogs.boxes.isEmpty());
    }

    void AClickInTheNameFieldEmptiesIt() {
        ScriptedDialogs dialogs;
        TFileCtrls picker(dialogs);
        QString afterClick = "not set";
        QTimer::singleShot(0, [&] {
            QTest::mouseClick(picker.FileEdit, Qt::LeftButton);
            afterClick = picker.FileEdit->text();
            picker.Button2->click();
        });
        picker.PickFileName("MYGAME.VLM");
        QCOMPARE(afterClick, QString());
    }
};

QTEST_MAIN(FileCtrlsTest)
#include "file_ctrls_test.moc"
