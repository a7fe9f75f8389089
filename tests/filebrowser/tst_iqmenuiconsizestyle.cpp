#include "filebrowser/IQMenuIconSizeStyle.h"

#include <QAction>
#include <QApplication>
#include <QCommonStyle>
#include <QMenu>
#include <QPixmap>
#include <QStyleOptionMenuItem>
#include <QtTest>

namespace {

// Exposes the style option a menu paints an item with.
class ProbeMenu : public QMenu
{
public:
    using QMenu::initStyleOption;
};

} // namespace

class TestIQMenuIconSizeStyle : public QObject
{
    Q_OBJECT

private slots:
    void smallIconSizeIsTheCustomSize();
    void otherMetricsAreTheCommonStyleDefaults_data();
    void otherMetricsAreTheCommonStyleDefaults();
    void menuLaysOutIconsAtTheCustomSize();
};

void TestIQMenuIconSizeStyle::smallIconSizeIsTheCustomSize()
{
    IQMenuIconSizeStyle style;
    QCOMPARE(style.pixelMetric(QStyle::PM_SmallIconSize), 30);
    style.SetCustomSize(16);
    QCOMPARE(style.pixelMetric(QStyle::PM_SmallIconSize), 16);
    QCOMPARE(IQMenuIconSizeStyle(48).pixelMetric(QStyle::PM_SmallIconSize), 48);
}

void TestIQMenuIconSizeStyle::otherMetricsAreTheCommonStyleDefaults_data()
{
    QTest::addColumn<int>("metric");

    QTest::newRow("large icons") << int(QStyle::PM_LargeIconSize);
    QTest::newRow("menu margin") << int(QStyle::PM_MenuHMargin);
    QTest::newRow("menu panel") << int(QStyle::PM_MenuPanelWidth);
    QTest::newRow("button icons") << int(QStyle::PM_ButtonIconSize);
}

void TestIQMenuIconSizeStyle::otherMetricsAreTheCommonStyleDefaults()
{
    QFETCH(int, metric);

    IQMenuIconSizeStyle style;
    QCommonStyle common;
    const auto pm = QStyle::PixelMetric(metric);
    QCOMPARE(style.pixelMetric(pm), common.pixelMetric(pm));
}

void TestIQMenuIconSizeStyle::menuLaysOutIconsAtTheCustomSize()
{
    QPixmap picture(64, 64);
    picture.fill(Qt::green);
    IQMenuIconSizeStyle style;

    ProbeMenu menu;
    menu.setStyle(&style);
    QAction* action = menu.addAction(QIcon(picture), QStringLiteral("Template"));
    const int height = menu.actionGeometry(action).height(); // lays the items out
    QVERIFY(height >= 30);
    QStyleOptionMenuItem option;
    menu.initStyleOption(&option, action);
    QCOMPARE(option.maxIconWidth, 30 + 4); // the icon and the menu's two-pixel margin each side

    style.SetCustomSize(16);
    ProbeMenu smaller;
    smaller.setStyle(&style);
    QAction* small = smaller.addAction(QIcon(picture), QStringLiteral("Template"));
    QVERIFY(smaller.actionGeometry(small).height() < height);
    smaller.initStyleOption(&option, small);
    QCOMPARE(option.maxIconWidth, 16 + 4);
}

QTEST_MAIN(TestIQMenuIconSizeStyle)
#include "tst_iqmenuiconsizestyle.moc"
