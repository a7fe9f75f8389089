#include "canvas/FrameFactory.h"
#include "canvas/HeartFrame.h"
#include "canvas/HomeFrame.h"
#include "canvas/PentacleFrame.h"
#include "canvas/RoundFrame.h"
#include "canvas/RoundRectangleFrame.h"

#include <QTest>

#include <memory>

namespace {

QStringList s_messages;

void captureMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        s_messages << text;
}

// Collects the warnings written while it lives.
class WarningCapture
{
public:
    WarningCapture()
    {
        s_messages.clear();
        m_previous = qInstallMessageHandler(captureMessages);
    }
    ~WarningCapture() { qInstallMessageHandler(m_previous); }
    QStringList messages() const { return s_messages; }

private:
    QtMessageHandler m_previous;
};

QString unknownWarning(const QString& hex)
{
    return QStringLiteral("FrameFactory::createFrame: unknown frame for class %1, falling back to default").arg(hex);
}

} // namespace

class TestFrameFactory : public QObject
{
    Q_OBJECT

private slots:
    void defaultClassStartsAtStandard();
    void classesOffered();
    void createFrame_data();
    void createFrame();
    void unknownClass_data();
    void unknownClass();
    void defaultFrameProp_data();
    void defaultFrameProp();
    void propConstructorCopiesRecord();
    void colourAlphaRules_data();
    void colourAlphaRules();
    void defaultFrameClassIsReplaced();
};

void TestFrameFactory::defaultClassStartsAtStandard()
{
    // Nothing in this program has set it yet.
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(1));
}

void TestFrameFactory::classesOffered()
{
    // Neither 3 (no such class) nor 7 (the home screen's own) is offered.
    QCOMPARE(FrameFactory::classes(), QList<quint32>({0, 1, 4, 5, 6, 2}));
}

void TestFrameFactory::createFrame_data()
{
    QTest::addColumn<quint32>("classId");
    QTest::addColumn<quint32>("answeredClass");
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QColor>("bottom");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<bool>("clips");

    const QColor grey(240, 240, 240, 200);
    QTest::newRow("1 standard") << 1u << 1u << grey << grey << 200 << false;
    QTest::newRow("2 heart") << 2u << 2u << QColor(255, 0, 0, 200) << QColor(196, 0, 0, 200) << 200 << true;
    QTest::newRow("4 rounded rectangle") << 4u << 4u << grey << grey << 200 << true;
    QTest::newRow("5 round") << 5u << 5u << grey << grey << 200 << true;
    QTest::newRow("6 pentacle") << 6u << 6u << QColor(240, 240, 0, 200) << QColor(240, 240, 0, 200) << 200 << true;
    // The home frame answers the rounded rectangle's id.
    QTest::newRow("7 home") << 7u << 4u << QColor(34, 34, 34, 200) << QColor(34, 34, 34, 200) << 0 << false;
}

void TestFrameFactory::createFrame()
{
    QFETCH(quint32, classId);
    QFETCH(quint32, answeredClass);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    QFETCH(int, alpha);
    QFETCH(bool, clips);

    WarningCapture capture;
    std::unique_ptr<Frame> frame(FrameFactory::createFrame(classId));
    QVERIFY(frame);
    QCOMPARE(capture.messages(), QStringList());
    QCOMPARE(frame->frameClass(), answeredClass);
    QCOMPARE(frame->clipContents(), clips);
    QCOMPARE(frame->isShaped(), clips);

    auto* standard = dynamic_cast<StandardFrame*>(frame.get());
    QVERIFY(standard);
    QCOMPARE(standard->topColor(), top);
    QCOMPARE(standard->bottomColor(), bottom);
    QCOMPARE(standard->alpha(), alpha);
    QCOMPARE(standard->margin(), 10);
    if (classId == 7)
        QVERIFY(dynamic_cast<HomeFrame*>(frame.get()));
    // Every class grows the content rectangle by its margin of 10:
    // (-100, -75) 200 x 150 becomes (-110, -85) 220 x 170.
    QCOMPARE(frame->frameRect(QRect(-100, -75, 200, 150)), QRect(-110, -85, 220, 170));
}

void TestFrameFactory::unknownClass_data()
{
    QTest::addColumn<quint32>("classId");
    QTest::addColumn<QString>("hex");

    QTest::newRow("3") << 3u << QStringLiteral("3");
    QTest::newRow("8") << 8u << QStringLiteral("8");
    QTest::newRow("255, lower-case hex") << 255u << QStringLiteral("ff");
    QTest::newRow("largest") << 0xFFFFFFFFu << QStringLiteral("ffffffff");
}

void TestFrameFactory::unknownClass()
{
    QFETCH(quint32, classId);
    QFETCH(QString, hex);

    {
        WarningCapture capture;
        QVERIFY(!FrameFactory::createFrame(classId));
        // Once by the property lookup, once by the factory itself.
        QCOMPARE(capture.messages(), QStringList({unknownWarning(hex), unknownWarning(hex)}));
    }
    {
        WarningCapture capture;
        QVERIFY(!FrameFactory::createFrame(0));
        QCOMPARE(capture.messages(), QStringList());
    }
}

void TestFrameFactory::defaultFrameProp_data()
{
    QTest::addColumn<quint32>("classId");
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QColor>("bottom");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("warnings");

    const QColor grey(240, 240, 240, 200);
    QTest::newRow("0 none") << 0u << QColor() << QColor() << 255 << 0 << 0;
    QTest::newRow("1") << 1u << grey << grey << 200 << 10 << 0;
    QTest::newRow("2") << 2u << QColor(255, 0, 0, 200) << QColor(196, 0, 0, 200) << 200 << 10 << 0;
    QTest::newRow("4") << 4u << grey << grey << 200 << 10 << 0;
    QTest::newRow("5") << 5u << grey << grey << 200 << 10 << 0;
    QTest::newRow("6") << 6u << QColor(240, 240, 0, 200) << QColor(240, 240, 0, 200) << 200 << 10 << 0;
    QTest::newRow("7") << 7u << QColor(34, 34, 34, 200) << QColor(34, 34, 34, 200) << 0 << 10 << 0;
    QTest::newRow("3 unknown: row 0") << 3u << QColor() << QColor() << 255 << 0 << 1;
    QTest::newRow("100 unknown: row 0") << 100u << QColor() << QColor() << 255 << 0 << 1;
}

void TestFrameFactory::defaultFrameProp()
{
    QFETCH(quint32, classId);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    QFETCH(int, alpha);
    QFETCH(int, margin);
    QFETCH(int, warnings);

    WarningCapture capture;
    const FrameProp prop = FrameFactory::defaultFrameProp(classId);
    QCOMPARE(prop.topColor, top);
    QCOMPARE(prop.bottomColor, bottom);
    QCOMPARE(prop.alpha, alpha);
    QCOMPARE(prop.margin, margin);
    QCOMPARE(capture.messages().size(), warnings);
    if (warnings)
        QCOMPARE(capture.messages().first(), unknownWarning(QString::number(classId, 16)));
}

void TestFrameFactory::propConstructorCopiesRecord()
{
    const FrameProp prop {QColor(1, 2, 3, 4), QColor(5, 6, 7, 8), 9, 11};
    const std::unique_ptr<StandardFrame> frames[] = {std::make_unique<StandardFrame>(prop),
        std::make_unique<HeartFrame>(prop), std::make_unique<RoundRectangleFrame>(prop),
        std::make_unique<RoundFrame>(prop), std::make_unique<PentacleFrame>(prop), std::make_unique<HomeFrame>(prop)};
    for (const auto& frame : frames) {
        QCOMPARE(frame->topColor(), prop.topColor);
        QCOMPARE(frame->bottomColor(), prop.bottomColor);
        QCOMPARE(frame->alpha(), 9);
        QCOMPARE(frame->margin(), 11);
    }
}

void TestFrameFactory::colourAlphaRules_data()
{
    QTest::addColumn<quint32>("classId");
    QTest::addColumn<int>("fieldAlpha");

    QTest::newRow("standard") << 1u << 200;
    QTest::newRow("heart") << 2u << 200;
    QTest::newRow("pentacle") << 6u << 200;
    QTest::newRow("home") << 7u << 0;
}

void TestFrameFactory::colourAlphaRules()
{
    QFETCH(quint32, classId);
    QFETCH(int, fieldAlpha);

    std::unique_ptr<Frame> frame(FrameFactory::createFrame(classId));
    auto* standard = dynamic_cast<StandardFrame*>(frame.get());
    QVERIFY(standard);

    standard->setColorAlpha(100, 60);
    QCOMPARE(standard->colorAlpha(), 100);
    QCOMPARE(standard->bottomColor().alpha(), 60);
    // The alpha field itself is untouched ...
    QCOMPARE(standard->alpha(), fieldAlpha);
    // ... so the next colour takes it again (a heart set to 100 comes back
    // to 200), whatever alpha the colour itself carried.
    standard->setTopColor(QColor(10, 20, 30, 77));
    QCOMPARE(standard->topColor(), QColor(10, 20, 30, fieldAlpha));
    QCOMPARE(standard->bottomColor(), QColor(10, 20, 30, fieldAlpha));
    QCOMPARE(standard->colorAlpha(), fieldAlpha);

    standard->setMargin(3);
    QCOMPARE(frame->frameRect(QRect(0, 0, 10, 10)), QRect(-3, -3, 16, 16));
}

void TestFrameFactory::defaultFrameClassIsReplaced()
{
    FrameFactory::setDefaultFrameClass(6);
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(6));
    FrameFactory::setDefaultFrameClass(0);
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(0));
    FrameFactory::setDefaultFrameClass(1);
}

QTEST_MAIN(TestFrameFactory)
#include "tst_framefactory.moc"
