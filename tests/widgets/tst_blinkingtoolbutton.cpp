#include "widgets/BlinkingToolButton.h"

#include <QApplication>
#include <QImage>
#include <QPropertyAnimation>
#include <QtTest>

namespace {

// The colour fades the button runs now, by property name.
QList<QPropertyAnimation*> runningFades(BlinkingToolButton& button)
{
    QList<QPropertyAnimation*> running;
    for (QPropertyAnimation* animation : button.findChildren<QPropertyAnimation*>()) {
        if (animation->state() == QAbstractAnimation::Running)
            running << animation;
    }
    return running;
}

QPropertyAnimation* fadeOf(const QList<QPropertyAnimation*>& fades, const char* property)
{
    for (QPropertyAnimation* animation : fades) {
        if (animation->propertyName() == property)
            return animation;
    }
    return nullptr;
}

// Drives the running fades to `msecs` without waiting for the clock.
void advance(const QList<QPropertyAnimation*>& fades, int msecs)
{
    for (QPropertyAnimation* animation : fades)
        animation->setCurrentTime(msecs);
}

} // namespace

class TestBlinkingToolButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void colourProperties();
    void attentionFadesToTheHighlight();
    void clickClearsAtOnceAndFadesBack();
    void aNewCallReplacesRunningFades();
    void markIsDrawnAtTheTopRight();
    void sizeHintMakesRoomForTheMark();

private:
    QPalette m_app;
};

void TestBlinkingToolButton::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(60, 60, 60));
    palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    palette.setColor(QPalette::Highlight, QColor(40, 120, 240));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    QApplication::setPalette(palette);
    m_app = palette;
}

void TestBlinkingToolButton::colourProperties()
{
    BlinkingToolButton button;
    QCOMPARE(button.backColor(), m_app.color(QPalette::Button));
    QCOMPARE(button.textColor(), m_app.color(QPalette::ButtonText));

    button.setProperty("backColor", QColor(Qt::red));
    button.setProperty("textColor", QColor(Qt::yellow));
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        QCOMPARE(button.palette().color(group, QPalette::Button), QColor(Qt::red));
        QCOMPARE(button.palette().color(group, QPalette::ButtonText), QColor(Qt::yellow));
    }
    QCOMPARE(button.property("backColor").value<QColor>(), QColor(Qt::red));
}

void TestBlinkingToolButton::attentionFadesToTheHighlight()
{
    BlinkingToolButton button;
    QCOMPARE(button.markOpacity(), 0.0);
    button.drawAttenction();
    QCOMPARE(button.markOpacity(), 1.0);

    const QList<QPropertyAnimation*> fades = runningFades(button);
    QCOMPARE(fades.size(), 2);
    for (const char* property : { "backColor", "textColor" }) {
        QPropertyAnimation* fade = fadeOf(fades, property);
        QVERIFY(fade);
        QCOMPARE(fade->duration(), 1000);
        QCOMPARE(fade->easingCurve().type(), QEasingCurve::Linear);
    }

    // Linear: half way between (60, 60, 60) and (40, 120, 240).
    advance(fades, 500);
    QCOMPARE(button.backColor(), QColor(50, 90, 150));
    advance(fades, 1000);
    QCOMPARE(button.backColor(), m_app.color(QPalette::Highlight));
    QCOMPARE(button.textColor(), m_app.color(QPalette::HighlightedText));
    QCOMPARE(button.markOpacity(), 1.0);
}

void TestBlinkingToolButton::clickClearsAtOnceAndFadesBack()
{
    BlinkingToolButton button;
    button.resize(80, 30);
    button.drawAttenction();
    advance(runningFades(button), 1000);
    QVERIFY(runningFades(button).isEmpty());

    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(button.markOpacity(), 0.0);
    const QList<QPropertyAnimation*> fades = runningFades(button);
    QCOMPARE(fades.size(), 2);
    QCOMPARE(fadeOf(fades, "backColor")->duration(), 200);
    QCOMPARE(fadeOf(fades, "textColor")->duration(), 200);
    advance(fades, 200);
    QCOMPARE(button.backColor(), m_app.color(QPalette::Button));
    QCOMPARE(button.textColor(), m_app.color(QPalette::ButtonText));
}

// A click within the second of the attention fade: the older fade must not
// go on writing the highlight after the clearing one has ended.
void TestBlinkingToolButton::aNewCallReplacesRunningFades()
{
    BlinkingToolButton button;
    button.drawAttenction();
    const QList<QPropertyAnimation*> attention = runningFades(button);
    advance(attention, 100);
    button.drawAttenction();
    QCOMPARE(runningFades(button).size(), 2);

    button.clearAttenction();
    const QList<QPropertyAnimation*> clearing = runningFades(button);
    QCOMPARE(clearing.size(), 2);
    QCOMPARE(fadeOf(clearing, "backColor")->endValue().value<QColor>(), m_app.color(QPalette::Button));
    advance(clearing, 200);
    QTest::qWait(50);
    QCOMPARE(button.backColor(), m_app.color(QPalette::Button));
    QCOMPARE(button.textColor(), m_app.color(QPalette::ButtonText));
}

// The box of the pixels where `image` differs from `base` inside `area`.
static QRect changedBox(const QImage& base, const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (base.pixel(x, y) != image.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

void TestBlinkingToolButton::markIsDrawnAtTheTopRight()
{
    BlinkingToolButton button;
    button.resize(90, 32);
    const QImage face = button.grab().toImage();
    button.setText(QStringLiteral("Export"));
    const QImage plain = button.grab().toImage();
    button.setMarkOpacity(1.0);
    const QImage marked = button.grab().toImage();

    const QRect mark(90 - 16, 0, 16, 16);
    const QRect belowMark(90 - 16, 16, 16, 16);
    const QRect leftOfMark(0, 0, 90 - 16, 32);
    QVERIFY(!changedBox(plain, marked, mark).isEmpty());
    QVERIFY(changedBox(plain, marked, belowMark).isEmpty());

    // The text moves left so that the mark does not cover it.
    const QRect textPlain = changedBox(face, plain, QRect(0, 0, 90, 32));
    const QRect textMarked = changedBox(face, marked, leftOfMark);
    QVERIFY(!textPlain.isEmpty());
    QCOMPARE(textMarked.size(), textPlain.size());
    QVERIFY(textMarked.right() < 90 - 16);
    QCOMPARE(textMarked.left(), textPlain.left() - 8);
    QVERIFY(changedBox(face, marked, belowMark).isEmpty());
}

void TestBlinkingToolButton::sizeHintMakesRoomForTheMark()
{
    BlinkingToolButton button;
    button.setText(QStringLiteral("Export"));
    QToolButton plain;
    plain.setText(QStringLiteral("Export"));
    QCOMPARE(button.sizeHint(), plain.sizeHint() + QSize(16, 0));
}

QTEST_MAIN(TestBlinkingToolButton)
#include "tst_blinkingtoolbutton.moc"
