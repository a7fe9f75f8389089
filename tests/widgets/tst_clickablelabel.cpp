#include "widgets/CheckBoxWordWrap.h"
#include "widgets/ClickableLabel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <QtTest>

class TestClickableLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyReleaseClicks_data();
    void everyReleaseClicks();
    void captionTogglesTheBox();
    void pressOnTheIndicatorTogglesOnce();
    void textIsTheCaption();
    void captionIndentsPastTheIndicator();
    void heightHintFollowsTheWidth();
};

void TestClickableLabel::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
}

void TestClickableLabel::everyReleaseClicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestClickableLabel::everyReleaseClicks()
{
    QFETCH(Qt::MouseButton, button);

    ClickableLabel label(QStringLiteral("caption"));
    label.resize(120, 30);
    QSignalSpy clicked(&label, &ClickableLabel::clicked);

    // Only the release counts, wherever the press was.
    QTest::mouseRelease(&label, button, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(clicked.size(), 1);
    QTest::mousePress(&label, button, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(clicked.size(), 1);
}

void TestClickableLabel::captionTogglesTheBox()
{
    CheckBoxWordWrap box(QStringLiteral("Colourise the tiles towards the picture"));
    box.resize(300, 40);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* caption = box.findChild<ClickableLabel*>();
    QVERIFY(caption);
    QSignalSpy toggled(&box, &QCheckBox::toggled);

    const QPoint onText(caption->width() - 20, caption->height() / 2);
    QTest::mouseClick(caption, Qt::LeftButton, Qt::NoModifier, onText);
    QVERIFY(box.isChecked());
    QTest::mouseClick(caption, Qt::LeftButton, Qt::NoModifier, onText);
    QVERIFY(!box.isChecked());
    QCOMPARE(toggled.size(), 2);
    QVERIFY(!box.isDown());
}

// The caption lies over the indicator too: a click there must toggle the box
// once and not leave it drawn pressed.
void TestClickableLabel::pressOnTheIndicatorTogglesOnce()
{
    CheckBoxWordWrap box(QStringLiteral("caption"));
    box.resize(300, 40);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy toggled(&box, &QCheckBox::toggled);

    QStyleOptionButton option;
    option.initFrom(&box);
    const QPoint indicator =
        box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box).center();
    QWidget* under = box.childAt(indicator);
    QVERIFY(under);
    QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(&box, indicator));
    QCOMPARE(toggled.size(), 1);
    QVERIFY(box.isChecked());
    QVERIFY(!box.isDown());
}

void TestClickableLabel::textIsTheCaption()
{
    CheckBoxWordWrap box;
    box.setText(QStringLiteral("Use a mask"));
    QCOMPARE(box.text(), QStringLiteral("Use a mask"));
    QCOMPARE(box.QCheckBox::text(), QString());
    QCOMPARE(box.property("text").toString(), QStringLiteral("Use a mask"));
    QVERIFY(box.isWordWrap());
    box.setProperty("wordwrap", false);
    QVERIFY(!box.findChild<ClickableLabel*>()->wordWrap());
}

void TestClickableLabel::captionIndentsPastTheIndicator()
{
    CheckBoxWordWrap box(QStringLiteral("caption"));
    QStyleOptionButton option;
    option.initFrom(&box);
    const int indicator = box.style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, &box);
    QCOMPARE(box.findChild<ClickableLabel*>()->indent(), indicator + 5);
    QCOMPARE(box.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(box.sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
}

void TestClickableLabel::heightHintFollowsTheWidth()
{
    const QString words = QStringLiteral(
        "When the picture is larger than four million pixels the effects are applied once the slider is let go");
    QWidget panel;
    auto* layout = new QVBoxLayout(&panel);
    auto* box = new CheckBoxWordWrap(words);
    layout->addWidget(box);
    layout->addStretch();
    panel.resize(900, 200);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const int lineHeight = box->fontMetrics().height();
    const int wide = box->sizeHint().height();
    QVERIFY(wide < 2 * lineHeight);

    panel.resize(160, 400);
    QTRY_VERIFY(box->sizeHint().height() >= 3 * lineHeight);
    // The layout gave the box the height its hint asks for.
    QTRY_COMPARE(box->height(), box->sizeHint().height());
}

QTEST_MAIN(TestClickableLabel)
#include "tst_clickablelabel.moc"
