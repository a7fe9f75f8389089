#include "canvas/ContentProperties.h"
#include "canvas/FinetuneWidget.h"
#include "canvas/PaneWidget.h"
#include "canvas/PictureProperties.h"

#include "widgets/PixmapButton.h"

#include <QApplication>
#include <QtTest>

class TestPropertyPanels : public QObject
{
    Q_OBJECT

private slots:
    void contentForm();
    void buttons_data();
    void buttons();
    void pictureForm();
};

void TestPropertyPanels::contentForm()
{
    ContentProperties panel;
    QCOMPARE(panel.size(), QSize(240, 550));
    QCOMPARE(panel.minimumWidth(), 240);
    QCOMPARE(panel.cPerspWidget->minimumSize(), QSize(61, 61));
    QCOMPARE(panel.cPerspWidget->maximumSize(), QSize(61, 61));
    QCOMPARE(panel.cPerspWidget->value(), QPointF(0, 0));
    QCOMPARE(panel.tRemove->text(), QStringLiteral("Remove"));
    QCOMPARE(panel.tRemove->maximumWidth(), 190);
    QVERIFY(!panel.tRemove->icon().isNull());
    QCOMPARE(panel.shadowColorButn->toolTip(), QStringLiteral("Select shadow color"));
    QCOMPARE(panel.scrollFrame->maximumWidth(), 240);
    QVERIFY(panel.scrollLayout);
    QCOMPARE(panel.titleLabel->text(), QString());
    QVERIFY(panel.titleLabel->font().bold());
    const QStringList captions{panel.label->text(), panel.label_2->text(), panel.label_3->text(),
                               panel.label_5->text(), panel.label_6->text()};
    QCOMPARE(captions, (QStringList{"Stack", "Perspective", "Opacity", "Shadow Color", "Shadow Radius"}));
}

void TestPropertyPanels::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("size");
    QTest::newRow("front") << "cFront" << "To Front" << 16;
    QTest::newRow("raise") << "cRaise" << "Raise" << 16;
    QTest::newRow("lower") << "cLower" << "Lower" << 16;
    QTest::newRow("back") << "cBack" << "To Back" << 16;
    QTest::newRow("restore") << "restoreButn" << "Restore" << 24;
    QTest::newRow("flip") << "flipButn" << "Flip Horizontal" << 24;
    QTest::newRow("invert") << "invertButn" << "Flip Vertical" << 24;
}

void TestPropertyPanels::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QFETCH(int, size);
    ContentProperties content;
    PictureProperties picture;
    auto* button = content.findChild<PixmapButton*>(name);
    if (!button)
        button = picture.findChild<PixmapButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), toolTip);
    QCOMPARE(button->fixedSize(), QSize(size, size));
    // The icon came out of the resources (drawn at 16 x 16 and 32 x 32).
    QVERIFY(!button->pixmap().isNull());
}

void TestPropertyPanels::pictureForm()
{
    PictureProperties panel;
    QCOMPARE(panel.size(), QSize(502, 289));
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("label"))->text(), QStringLiteral("Mirror"));
    QVERIFY(panel.findChild<FinetuneWidget*>(QStringLiteral("finetuneWidget")));
    QCOMPARE(panel.findChild<QWidget*>(QStringLiteral("enhancementWidget"))->minimumWidth(), 160);
}

QTEST_MAIN(TestPropertyPanels)
#include "tst_propertypanels.moc"
