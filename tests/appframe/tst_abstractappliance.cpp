#include "appframe/AbstractAppliance.h"

#include "ApplianceTestSupport.h"

#include <QtTest>

#include <memory>

namespace {

class Appliance : public PlugGui::AbstractAppliance
{
public:
    QString applianceName() const override { return QStringLiteral("Test"); }
};

// A widget named for the container's record; owned by the caller.
std::unique_ptr<QWidget> widget(const char* name)
{
    auto w = std::make_unique<QWidget>();
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// One widget for the scene and each bar, the top one right-aligned.
struct Widgets
{
    std::unique_ptr<QWidget> scene = widget("scene");
    std::unique_ptr<QWidget> top = widget("t");
    std::unique_ptr<QWidget> right = widget("r");
    std::unique_ptr<QWidget> bottom = widget("m");

    void giveTo(PlugGui::AbstractAppliance& appliance) const
    {
        appliance.sceneSet(scene.get(), nullptr, nullptr);
        appliance.topbarAddWidget(top.get(), true, -1);
        appliance.rightbarAddWidget(right.get(), -1);
        appliance.bottomBarAddWidget(bottom.get(), -1);
    }
};

enum Bar { Top, Right, Bottom };

void addTo(Appliance& appliance, Bar bar, QWidget* w, int index)
{
    switch (bar) {
    case Top:
        appliance.topbarAddWidget(w, false, index);
        break;
    case Right:
        appliance.rightbarAddWidget(w, index);
        break;
    case Bottom:
        appliance.bottomBarAddWidget(w, index);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Bar)

class TestAbstractAppliance : public QObject
{
    Q_OBJECT

private slots:
    void attachAndDetachOrder();
    void attachWithoutSceneWidget();
    void attachToSecondContainer();
    void detachWhenNotAttached();
    void changesWhileAttachedReachContainer();
    void insertion_data();
    void insertion();
    void deletedBarWidgets();
    void containerDestroyed();
    void defaultsAndDestructorWarning();
};

void TestAbstractAppliance::attachAndDetachOrder()
{
    Appliance appliance;
    Widgets widgets;
    auto a = widget("a");
    appliance.windowTitleSet(QStringLiteral("T"));
    appliance.topbarAddWidget(a.get(), false, -1);
    widgets.giveTo(appliance);
    appliance.containerValueSet(7, QStringLiteral("x"));
    appliance.containerValueSet(2, QStringLiteral("y"));
    QCOMPARE(a->property("@rightBar"), QVariant(false));
    QCOMPARE(widgets.top->property("@rightBar"), QVariant(true));

    RecordingContainer container;
    QVERIFY(appliance.addToApplianceContainer(&container));
    QCOMPARE(appliance.applianceContainer(), &container);
    QCOMPARE(container.take(), (QStringList {"title:T", "attach:scene", "top:a,t", "right:r", "bottom:m",
                                   "value:2=y", "value:7=x"}));

    // The right and bottom bars stay until the next appliance sets them.
    appliance.removeFromApplianceContainer();
    QCOMPARE(container.take(), (QStringList {"title:", "detach:scene", "top:", "value:2=null", "value:7=null"}));
    QCOMPARE(appliance.applianceContainer(), nullptr);

    // Nothing reaches a container the appliance left.
    appliance.windowTitleSet(QStringLiteral("U"));
    auto late = widget("late");
    appliance.topbarAddWidget(late.get(), false, -1);
    QVERIFY(container.calls.isEmpty());
}

void TestAbstractAppliance::attachWithoutSceneWidget()
{
    Appliance appliance;
    RecordingContainer container;
    appliance.addToApplianceContainer(&container);
    QCOMPARE(container.take(), (QStringList {"title:", "attach:null", "top:", "right:", "bottom:"}));

    // A scene widget that died is passed on as none.
    auto scene = widget("scene");
    appliance.sceneSet(scene.get(), nullptr, nullptr);
    QCOMPARE(container.take(), QStringList {"attach:scene"});
    scene.reset();
    appliance.removeFromApplianceContainer();
    QCOMPARE(container.take(), (QStringList {"title:", "detach:null", "top:"}));
}

void TestAbstractAppliance::attachToSecondContainer()
{
    Appliance appliance;
    appliance.windowTitleSet(QStringLiteral("T"));
    RecordingContainer first;
    RecordingContainer second;
    appliance.addToApplianceContainer(&first);
    first.take();

    QTest::ignoreMessage(QtWarningMsg, "AbstractAppliance::addToContainer: removing from previous container");
    QVERIFY(appliance.addToApplianceContainer(&second));
    QCOMPARE(first.take(), (QStringList {"title:", "detach:null", "top:"}));
    QCOMPARE(second.take(), (QStringList {"title:T", "attach:null", "top:", "right:", "bottom:"}));

    // A null container only detaches.
    QTest::ignoreMessage(QtWarningMsg, "AbstractAppliance::addToContainer: removing from previous container");
    QVERIFY(appliance.addToApplianceContainer(nullptr));
    QCOMPARE(second.take(), (QStringList {"title:", "detach:null", "top:"}));
    QCOMPARE(appliance.applianceContainer(), nullptr);
}

void TestAbstractAppliance::detachWhenNotAttached()
{
    Appliance appliance;
    QTest::ignoreMessage(QtWarningMsg, "AbstractAppliance::removeFromContainer: not on container");
    appliance.removeFromApplianceContainer();
}

void TestAbstractAppliance::changesWhileAttachedReachContainer()
{
    Appliance appliance;
    RecordingContainer container;
    appliance.addToApplianceContainer(&container);
    container.take();
    Widgets widgets;

    appliance.windowTitleSet(QStringLiteral("New"));
    widgets.giveTo(appliance);
    appliance.containerValueSet(7, 5);
    appliance.containerValueSet(7, QVariant());
    appliance.windowTitleClear();
    QCOMPARE(container.take(), (QStringList {"title:New", "attach:scene", "top:t", "right:r", "bottom:m",
                                   "value:7=5", "value:7=null", "title:"}));

    // Key 7 is gone: a new attach passes no value.
    appliance.removeFromApplianceContainer();
    container.take();
    appliance.addToApplianceContainer(&container);
    QCOMPARE(container.take(), (QStringList {"title:", "attach:scene", "top:t", "right:r", "bottom:m"}));
}

void TestAbstractAppliance::insertion_data()
{
    QTest::addColumn<Bar>("bar");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    const struct
    {
        const char* name;
        Bar bar;
    } bars[] = {{"top", Top}, {"right", Right}, {"bottom", Bottom}};
    for (const auto& bar : bars) {
        const QByteArray name(bar.name);
        QTest::newRow(QByteArray(name + " index 0").constData()) << bar.bar << 0 << "new,w0,w1";
        QTest::newRow(QByteArray(name + " index 1").constData()) << bar.bar << 1 << "w0,new,w1";
        QTest::newRow(QByteArray(name + " index at size").constData()) << bar.bar << 2 << "w0,w1,new";
        QTest::newRow(QByteArray(name + " past the end").constData()) << bar.bar << 9 << "w0,w1,new";
        QTest::newRow(QByteArray(name + " index -1").constData()) << bar.bar << -1 << "w0,w1,new";
        QTest::newRow(QByteArray(name + " index -5").constData()) << bar.bar << -5 << "w0,w1,new";
    }
}

void TestAbstractAppliance::insertion()
{
    QFETCH(Bar, bar);
    QFETCH(int, index);
    QFETCH(QString, expected);
    const QString prefix = bar == Top ? QStringLiteral("top:") : bar == Right ? QStringLiteral("right:") : QStringLiteral("bottom:");

    Appliance appliance;
    auto w0 = widget("w0");
    auto w1 = widget("w1");
    auto added = widget("new");
    addTo(appliance, bar, w0.get(), -1);
    addTo(appliance, bar, w1.get(), -1);
    RecordingContainer container;
    appliance.addToApplianceContainer(&container);
    container.take();

    addTo(appliance, bar, added.get(), index);
    QCOMPARE(container.take(), QStringList {prefix + expected});

    // A null widget is ignored: no refresh, no entry.
    addTo(appliance, bar, nullptr, 0);
    QVERIFY(container.calls.isEmpty());
    appliance.removeFromApplianceContainer();
    appliance.addToApplianceContainer(&container);
    QVERIFY(container.calls.contains(prefix + expected));
}

void TestAbstractAppliance::deletedBarWidgets()
{
    Appliance appliance;
    RecordingContainer container;
    appliance.addToApplianceContainer(&container);
    auto a = widget("a");
    auto b = widget("b");
    auto c = widget("c");
    auto d = widget("d");
    auto other = widget("other");
    appliance.topbarAddWidget(a.get(), false, -1);
    appliance.topbarAddWidget(b.get(), false, -1);
    appliance.topbarAddWidget(c.get(), false, -1);
    appliance.bottomBarAddWidget(a.get(), -1);
    appliance.bottomBarAddWidget(b.get(), -1);
    appliance.rightbarAddWidget(b.get(), -1);
    container.take();

    // Deleted behind the appliance's back: gone from the next refresh.
    b.reset();
    appliance.topbarAddWidget(d.get(), false, 1);
    QCOMPARE(container.take(), QStringList {"top:a,d,c"});

    // The dead entry still holds its place in the list (a, d, dead b, c):
    // index 3 is before c.
    appliance.topbarAddWidget(other.get(), false, 3);
    QCOMPARE(container.take(), QStringList {"top:a,d,other,c"});

    // Removing a widget also sweeps out the dead entries.
    appliance.topbarRemoveWidget(other.get());
    QCOMPARE(container.take(), QStringList {"top:a,d,c"});
    appliance.topbarRemoveWidget(other.get());
    QVERIFY(container.calls.isEmpty());

    // Removing an unknown widget refreshes when it swept a dead entry.
    appliance.bottombarRemoveWidget(other.get());
    QCOMPARE(container.take(), QStringList {"bottom:a"});
    appliance.bottombarRemoveWidget(other.get());
    QVERIFY(container.calls.isEmpty());

    // A new attach passes only the living widgets of every bar.
    appliance.removeFromApplianceContainer();
    container.take();
    appliance.addToApplianceContainer(&container);
    QCOMPARE(container.take(), (QStringList {"title:", "attach:null", "top:a,d,c", "right:", "bottom:a"}));
}

void TestAbstractAppliance::containerDestroyed()
{
    Appliance appliance;
    auto container = std::make_unique<RecordingContainer>();
    appliance.addToApplianceContainer(container.get());
    container.reset();
    QCOMPARE(appliance.applianceContainer(), nullptr);

    appliance.windowTitleSet(QStringLiteral("T"));
    appliance.containerValueSet(1, 1);
    QTest::ignoreMessage(QtWarningMsg, "AbstractAppliance::removeFromContainer: not on container");
    appliance.removeFromApplianceContainer();
}

void TestAbstractAppliance::defaultsAndDestructorWarning()
{
    auto appliance = std::make_unique<Appliance>();
    QTest::ignoreMessage(QtWarningMsg, "AbstractAppliance::applianceCommand: current appliance 'Test' doesn't handle command 3");
    QVERIFY(!appliance->applianceCommand(3));
    QTest::ignoreMessage(QtWarningMsg, "AbstractAppliance::applianceSaveAs: saving not implemented for Test to '/x/y.pmp2'");
    QVERIFY(appliance->applianceSave(QStringLiteral("/x/y.pmp2")));
    QVERIFY(!appliance->appliancePendingChanges());
    QVERIFY(appliance->applicanceSaveImage());
    QCOMPARE(appliance->takeScene(), nullptr);

    // Two of three top-bar widgets still alive; bottom-bar widgets do not count.
    auto a = widget("a");
    auto b = widget("b");
    auto c = widget("c");
    auto m = widget("m");
    appliance->topbarAddWidget(a.get(), false, -1);
    appliance->topbarAddWidget(b.get(), false, -1);
    appliance->topbarAddWidget(c.get(), false, -1);
    appliance->bottomBarAddWidget(m.get(), -1);
    b.reset();
    QTest::ignoreMessage(QtWarningMsg, "AbstractAppliance::~AbstractAppliance: some pointers (2) not destroyed");
    appliance.reset();
    // The widgets are left alone.
    QVERIFY(a && c && m);
    QCOMPARE(a->objectName(), QStringLiteral("a"));
}

QTEST_MAIN(TestAbstractAppliance)
#include "tst_abstractappliance.moc"
