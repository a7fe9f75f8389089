#include "filebrowser/IQFileController.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs `action` on the modal widget of type T once it shows, from inside
// that dialog's own event loop. Actions only record what they see and press
// buttons; the checks run after the dialog returned, so a failed check never
// leaves a dialog open.
template<class T>
void onModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!widget || !widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(widget);
    });
    timer->start();
}

QLineEdit* fileNameEdit(QFileDialog* dialog)
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// Presses the dialog's Open or Save button as a user would. The dialog
// enables it only once its file-system model has caught up with the typed
// name, which on a loaded machine can take a while: wait for it, as a user
// waits for a greyed button.
bool pressAccept(QFileDialog* dialog)
{
    const auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!box)
        return false;
    QAbstractButton* accept = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
            accept = button;
    }
    if (!accept || !QTest::qWaitFor([accept] { return accept->isEnabled(); }, 10000))
        return false;
    accept->click();
    return true;
}

struct Seen
{
    QString title;
    QStringList nameFilters;
    QString selectedNameFilter;
    QString directory;
    int fileMode = -1;
    int acceptMode = -1;
    QString defaultSuffix;

    void record(QFileDialog* dialog)
    {
        title = dialog->windowTitle();
        nameFilters = dialog->nameFilters();
        selectedNameFilter = dialog->selectedNameFilter();
        directory = dialog->directory().absolutePath();
        fileMode = dialog->fileMode();
        acceptMode = dialog->acceptMode();
        defaultSuffix = dialog->defaultSuffix();
    }
};

} // namespace

class TestIQFileController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openFileDialog_data();
    void openFileDialog();
    void openDirDialog();
    void cancelLeavesValuesUntouched();
    void saveDialogFilters_data();
    void saveDialogFilters();
    void saveDialogSuffixRules_data();
    void saveDialogSuffixRules();
    void saveDialogAsksBeforeOverwritingSuffixedName_data();
    void saveDialogAsksBeforeOverwritingSuffixedName();
    void uniqueFileName_data();
    void uniqueFileName();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIQFileController::initTestCase()
{
    // Qt's own dialogs, on every platform, so the test can drive them.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestIQFileController::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Whatever a failing test left open goes away after a while.
    QTimer::singleShot(20000, this, [] {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            QCoreApplication::processEvents();
        }
    });
}

void TestIQFileController::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
}

void TestIQFileController::openFileDialog_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one background picture") << int(QFileDialog::ExistingFile) << "b.png" << QStringList{"b.png"};
    QTest::newRow("pictures for a collage") << int(QFileDialog::ExistingFiles) << "\"b.png\" \"a.jpg\""
                                            << QStringList{"b.png", "a.jpg"};
}

void TestIQFileController::openFileDialog()
{
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    QVERIFY(TestSupport::writeFile(path("a.jpg"), "x"));
    QVERIFY(TestSupport::writeFile(path("b.png"), "x"));

    Seen seen;
    onModal<QFileDialog>([&](QFileDialog* dialog) {
        seen.record(dialog);
        fileNameEdit(dialog)->setText(typed);
        if (!pressAccept(dialog))
            dialog->reject();
    });
    QList<QString> files{QStringLiteral("old.jpg")};
    const int result = IQFileController::openFileDialog(nullptr, files, IQCommon::ImageFilter, m_dir->path(),
                                                        QFileDialog::FileMode(mode));

    const QString filter = IQCommon::supportedExt(IQCommon::ImageFilter);
    QCOMPARE(seen.title, QStringLiteral("Open File"));
    QCOMPARE(seen.nameFilters, QStringList{filter});
    QCOMPARE(seen.selectedNameFilter, filter);
    QCOMPARE(seen.directory, m_dir->path());
    QCOMPARE(seen.fileMode, mode);
    QCOMPARE(seen.acceptMode, int(QFileDialog::AcceptOpen));
    QCOMPARE(result, int(QDialog::Accepted));
    QStringList expectedPaths;
    for (const QString& name : expected)
        expectedPaths << path(name);
    QCOMPARE(files, expectedPaths);
}

void TestIQFileController::openDirDialog()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("albums")));

    Seen seen;
    onModal<QFileDialog>([&](QFileDialog* dialog) {
        seen.record(dialog);
        fileNameEdit(dialog)->setText(QStringLiteral("albums"));
        if (!pressAccept(dialog))
            dialog->reject();
    });
    QString dir = QStringLiteral("old");
    const int result = IQFileController::openDirDialog(nullptr, dir, m_dir->path());

    QCOMPARE(seen.directory, m_dir->path());
    QCOMPARE(seen.fileMode, int(QFileDialog::Directory));
    QCOMPARE(seen.acceptMode, int(QFileDialog::AcceptOpen));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dir, path(QStringLiteral("albums")));
}

void TestIQFileController::cancelLeavesValuesUntouched()
{
    QVERIFY(TestSupport::writeFile(path("a.jpg"), "x"));
    // The user picks something, then changes their mind.
    const auto pickThenCancel = [](QFileDialog* dialog) {
        fileNameEdit(dialog)->setText(QStringLiteral("a.jpg"));
        dialog->reject();
    };

    QList<QString> files{QStringLiteral("/keep/one.jpg"), QStringLiteral("/keep/two.jpg")};
    onModal<QFileDialog>(pickThenCancel);
    QCOMPARE(IQFileController::openFileDialog(nullptr, files, IQCommon::ImageFilter, m_dir->path(),
                                              QFileDialog::ExistingFiles),
             int(QDialog::Rejected));
    QCOMPARE(files, (QList<QString>{QStringLiteral("/keep/one.jpg"), QStringLiteral("/keep/two.jpg")}));

    QString dir = QStringLiteral("/keep/dir");
    onModal<QFileDialog>(pickThenCancel);
    QCOMPARE(IQFileController::openDirDialog(nullptr, dir, m_dir->path()), int(QDialog::Rejected));
    QCOMPARE(dir, QStringLiteral("/keep/dir"));

    QString saveTo = QStringLiteral("/keep/picture.png");
    onModal<QFileDialog>(pickThenCancel);
    QCOMPARE(IQFileController::saveImageDialog(nullptr, saveTo, m_dir->path(), QString()), int(QDialog::Rejected));
    QCOMPARE(saveTo, QStringLiteral("/keep/picture.png"));
}

void TestIQFileController::saveDialogFilters_data()
{
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("none given opens on PNG") << QString() << "PNG image (*.png)" << "png";
    QTest::newRow("JPEG") << "JPEG Image (*.jpeg *.jpg)" << "JPEG Image (*.jpeg *.jpg)" << "jpg";
    QTest::newRow("BMP") << "Windows BMP image (*.bmp)" << "Windows BMP image (*.bmp)" << "bmp";
}

void TestIQFileController::saveDialogFilters()
{
    QFETCH(QString, preselected);
    QFETCH(QString, selected);
    QFETCH(QString, suffix);

    Seen seen;
    onModal<QFileDialog>([&](QFileDialog* dialog) {
        seen.record(dialog);
        dialog->reject();
    });
    QString saveTo;
    IQFileController::saveImageDialog(nullptr, saveTo, m_dir->path(), preselected);

    QCOMPARE(seen.title, QStringLiteral("Save File"));
    QCOMPARE(seen.nameFilters, (QStringList{QStringLiteral("JPEG Image (*.jpeg *.jpg)"),
                                            QStringLiteral("PNG image (*.png)"),
                                            QStringLiteral("Windows BMP image (*.bmp)")}));
    QCOMPARE(seen.selectedNameFilter, selected);
    QCOMPARE(seen.defaultSuffix, suffix); // already while the dialog runs
    QCOMPARE(seen.directory, m_dir->path());
    QCOMPARE(seen.acceptMode, int(QFileDialog::AcceptSave));
}

void TestIQFileController::saveDialogSuffixRules_data()
{
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<int>("switchTo"); // filter row the user picks before saving; -1 for none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    const QString bmp = QStringLiteral("Windows BMP image (*.bmp)");
    const QString jpeg = QStringLiteral("JPEG Image (*.jpeg *.jpg)");
    QTest::newRow("no suffix under BMP") << bmp << -1 << "picture" << "picture.bmp";
    QTest::newRow("no suffix under JPEG") << jpeg << -1 << "picture" << "picture.jpg";
    QTest::newRow("no suffix under default PNG") << QString() << -1 << "picture" << "picture.png";
    QTest::newRow("typed suffix stays") << jpeg << -1 << "picture.png" << "picture.png";
    QTest::newRow("filter changed to BMP in the dialog") << QString() << 2 << "picture" << "picture.bmp";
    QTest::newRow("filter changed to JPEG in the dialog") << bmp << 0 << "picture" << "picture.jpg";
}

void TestIQFileController::saveDialogSuffixRules()
{
    QFETCH(QString, preselected);
    QFETCH(int, switchTo);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    onModal<QFileDialog>([&](QFileDialog* dialog) {
        if (switchTo >= 0) {
            // As a user does: keys on the file-type box.
            auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            if (combo) {
                combo->setFocus();
                const Qt::Key key = switchTo > combo->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
                while (combo->currentIndex() != switchTo)
                    QTest::keyClick(combo, key);
            }
        }
        fileNameEdit(dialog)->setText(typed);
        if (!pressAccept(dialog))
            dialog->reject();
    });
    QString saveTo;
    QCOMPARE(IQFileController::saveImageDialog(nullptr, saveTo, m_dir->path(), preselected), int(QDialog::Accepted));
    QCOMPARE(saveTo, path(expected));
}

void TestIQFileController::saveDialogAsksBeforeOverwritingSuffixedName_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("expected"); // the caller's path afterwards

    // "No" returns to the file dialog, which the user then cancels.
    QTest::newRow("no") << int(QMessageBox::No) << int(QDialog::Rejected) << "/keep/this.png";
    QTest::newRow("yes") << int(QMessageBox::Yes) << int(QDialog::Accepted) << "picture.bmp";
}

void TestIQFileController::saveDialogAsksBeforeOverwritingSuffixedName()
{
    QFETCH(int, answer);
    QFETCH(int, result);
    QFETCH(QString, expected);

    QVERIFY(TestSupport::writeFile(path("picture.bmp"), "an earlier picture"));

    QString question;
    onModal<QFileDialog>([&](QFileDialog* dialog) {
        onModal<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::StandardButton(answer))->click();
        });
        fileNameEdit(dialog)->setText(QStringLiteral("picture"));
        pressAccept(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    QString saveTo = QStringLiteral("/keep/this.png");
    QCOMPARE(IQFileController::saveImageDialog(nullptr, saveTo, m_dir->path(), IQFileController::bmpFilter()),
             result);
    QVERIFY2(question.contains(QLatin1String("picture.bmp")), qPrintable(question));
    QCOMPARE(saveTo, expected.startsWith(QLatin1Char('/')) ? expected : path(expected));
}

void TestIQFileController::uniqueFileName_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");

    QTest::newRow("free name as given") << QStringList{} << "photo.jpg" << "photo.jpg";
    QTest::newRow("first counter is 1") << QStringList{"photo.jpg"} << "photo.jpg" << "photo_1.jpg";
    QTest::newRow("counts past taken names") << QStringList{"photo.jpg", "photo_1.jpg"} << "photo.jpg"
                                             << "photo_2.jpg";
    QTest::newRow("gap is not filled backwards") << QStringList{"photo.jpg", "photo_1.jpg", "photo_3.jpg"}
                                                 << "photo.jpg" << "photo_2.jpg";
    QTest::newRow("only the last dot splits") << QStringList{"my.holiday.png"} << "my.holiday.png"
                                              << "my.holiday_1.png";
    QTest::newRow("other suffix is no clash") << QStringList{"photo.png"} << "photo.jpg" << "photo.jpg";
    QTest::newRow("no suffix") << QStringList{"notes"} << "notes" << "notes_1";
    QTest::newRow("counter above 9") << QStringList{"a.gif", "a_1.gif", "a_2.gif", "a_3.gif", "a_4.gif", "a_5.gif",
                                                    "a_6.gif", "a_7.gif", "a_8.gif", "a_9.gif"}
                                     << "a.gif" << "a_10.gif";
}

void TestIQFileController::uniqueFileName()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, fileName);
    QFETCH(QString, expected);

    for (const QString& name : existing)
        QVERIFY(TestSupport::writeFile(path(name)));
    const QString unique = IQFileController::uniqueFileName(fileName, m_dir->path());
    QCOMPARE(unique, m_dir->path() + QLatin1Char('/') + expected);
    QVERIFY(!QFile::exists(unique));
}

QTEST_MAIN(TestIQFileController)
#include "tst_iqfilecontroller.moc"
