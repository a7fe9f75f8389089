#include "appframe/App.h"

#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void isCollageFile_data();
    void isCollageFile();
    void isPictureFile_data();
    void isPictureFile();
    void isContentUrl_data();
    void isContentUrl();
    void validateCollageUrl_data();
    void validateCollageUrl();
    void imageFormatPatterns();
    void supportedImageFormatsCoversReaders();

private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
};

void TestApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(TestSupport::writeFile(path("project.pmp2"), "<Collage/>"));
    QVERIFY(TestSupport::writeFile(path("upper.PMP2"), "<Collage/>"));
    QVERIFY(TestSupport::writeFile(path("photo.png"), "not really a png"));
    QVERIFY(TestSupport::writeFile(path("notes.txt"), "text"));
    QVERIFY(TestSupport::writeFile(path("project.pmp2.bak"), "<Collage/>"));
}

void TestApp::isCollageFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");
    QTest::newRow("lower") << "a/b.pmp2" << true;
    QTest::newRow("upper") << "B.PMP2" << true;
    QTest::newRow("further extension") << "b.pmp2.bak" << false;
    QTest::newRow("no dot") << "pmp2" << false;
    QTest::newRow("address") << "http://host/x.pmp2" << true;
}

void TestApp::isCollageFile()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    QCOMPARE(App::isCollageFile(path), expected);
}

void TestApp::isPictureFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");
    QTest::newRow("upper-case JPG") << "IMG_1.JPG" << true;
    QTest::newRow("png") << "/x/y.png" << true;
    QTest::newRow("tar.gz tests gz only") << "backup.tar.gz" << false;
    QTest::newRow("bare format name") << "jpg" << true;
    QTest::newRow("bare other name") << "README" << false;
    QTest::newRow("ends in a dot") << "photo." << false;
    QTest::newRow("project") << "x.pmp2" << false;
}

void TestApp::isPictureFile()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    QCOMPARE(App::isPictureFile(path), expected);
}

void TestApp::isContentUrl_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");
    QTest::newRow("existing project") << path("project.pmp2") << true;
    QTest::newRow("existing upper-case project") << path("upper.PMP2") << true;
    // Only the name counts, not what the file holds.
    QTest::newRow("existing picture") << path("photo.png") << true;
    QTest::newRow("existing text file") << path("notes.txt") << false;
    QTest::newRow("existing backup of a project") << path("project.pmp2.bak") << false;
    QTest::newRow("missing picture") << path("missing.png") << false;
    QTest::newRow("missing project") << path("missing.pmp2") << false;
    QTest::newRow("HTTP:/ upper-case png") << "HTTP://host/a.png" << true;
    QTest::newRow("http:/ project") << "http://host/a.pmp2" << true;
    QTest::newRow("ftp:/ picture") << "ftp://host/a.jpg" << true;
    QTest::newRow("FTP:/ single slash") << "FTP:/a.gif" << true;
    QTest::newRow("https:/ matches no prefix") << "https://host/a.png" << false;
    QTest::newRow("http:/ text") << "http://host/a.txt" << false;
    QTest::newRow("empty") << "" << false;
}

void TestApp::isContentUrl()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    QCOMPARE(App::isContentUrl(path), expected);
}

void TestApp::validateCollageUrl_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<bool>("warns");
    QTest::newRow("existing project") << path("project.pmp2") << true << false;
    QTest::newRow("missing project") << path("gone.pmp2") << false << false;
    QTest::newRow("existing picture") << path("photo.png") << false << false;
    QTest::newRow("ftp:/ project") << "ftp://host/a.pmp2" << false << true;
    QTest::newRow("Http:/ project") << "Http://host/a.pmp2" << false << true;
    QTest::newRow("http:/ picture") << "http://host/a.png" << false << true;
}

void TestApp::validateCollageUrl()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    QFETCH(bool, warns);
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, "App::validateCollageUrl: http or ftp urls not allowed for now");
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QCOMPARE(App::validateCollageUrl(path), expected);
}

void TestApp::imageFormatPatterns()
{
    QCOMPARE(App::imageFormatPatterns({"bmp", "gif"}), QStringLiteral("*.bmp *.BMP *.gif *.GIF "));
    QCOMPARE(App::imageFormatPatterns({}), QString());
}

void TestApp::supportedImageFormatsCoversReaders()
{
    const QString patterns = App::supportedImageFormats();
    QVERIFY(patterns.endsWith(QLatin1Char(' ')));
    QVERIFY(patterns.contains(QStringLiteral("*.png *.PNG ")));
    QVERIFY(patterns.contains(QStringLiteral("*.jpg *.JPG ")));
    QCOMPARE(App::supportedImageFormats(), patterns);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
