#include "SwatchContent.h"

#include "canvas/Canvas.h"
#include "canvas/ContentProperties.h"
#include "canvas/FrameWidget.h"
#include "widgets/ColorSelectorButton.h"
#include "widgets/PixmapButton.h"
#include "widgets/QContinuesSlider.h"
#include "widgets/QPopupColorWidget.h"
#include "widgets/QToolBoxWidget.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// A content with extra panel sections, built in an order of its own.
class SectionedContent : public SwatchContent
{
public:
    using SwatchContent::SwatchContent;
    QStringList titles;
    QList<QPointer<QWidget>> made;

    QMap<QString, QWidget*> createContentWidget() override
    {
        QMap<QString, QWidget*> sections;
        for (const QString& title : std::as_const(titles)) {
            auto* body = new QLabel(title);
            made << body;
            sections.insert(title, body);
        }
        return sections;
    }
};

std::unique_ptr<ContentProperties> panelOf(AbstractContent* content, const QString& title = QStringLiteral("Swatch"))
{
    auto* panel = qobject_cast<ContentProperties*>(content->createPropertyWidget(title, nullptr));
    return std::unique_ptr<ContentProperties>(panel);
}

// The sections of a panel, top to bottom.
QList<QToolBoxWidget*> sectionsOf(ContentProperties* panel)
{
    QList<QToolBoxWidget*> sections;
    for (int i = 0; i < panel->scrollLayout->count(); ++i) {
        if (auto* section = qobject_cast<QToolBoxWidget*>(panel->scrollLayout->itemAt(i)->widget()))
            sections << section;
    }
    return sections;
}

// A section's title: the header's label that carries text.
QString titleOf(QToolBoxWidget* section)
{
    auto* header = section->findChild<QPushButton*>(QStringLiteral("closureButn"));
    for (QLabel* label : header->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            return label->text();
    }
    return {};
}

FrameWidget* framesOf(ContentProperties* panel)
{
    return panel->findChild<FrameWidget*>();
}

template <typename T>
T* part(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no %s", name);
    return child;
}

// The frame class of the checked frame button; the buttons come in the
// order of FrameFactory::classes(): 0, 1, 4, 5, 6, 2.
int checkedFrameClass(FrameWidget* frames)
{
    static const QList<int> ids{0, 1, 4, 5, 6, 2};
    const QList<PixmapButton*> buttons = frames->findChildren<PixmapButton*>();
    for (int i = 0; i < buttons.size() && i < ids.size(); ++i) {
        if (buttons[i]->isChecked())
            return ids[i];
    }
    return -1;
}

void keepForLooking(QWidget* widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("VELLUMAR_GRAB_DIR");
    if (!dir.isEmpty())
        widget->grab().save(QDir(dir).filePath(name));
}

} // namespace

class TestContentPanel : public QObject
{
    Q_OBJECT

private slots:
    void showsValues_data();
    void showsValues();
    void buildingWritesNothing();
    void controlsWriteProperties();
    void propertiesReachControls();
    void stackAndRemoveButtons();
    void sectionsInOrder();
    void framePanel_data();
    void framePanel();
    void frameSignalsReachContent();
    void colorPopupFollowsLatestSwatch();
    void colorPopupOutlivesPanel();
    void colorPopupGoesWithContent();
    void panelOfDeletedContentIsInert();
    void canvasShowsContentPanel();
    void lookAtPanel();
};

void TestContentPanel::showsValues_data()
{
    QTest::addColumn<double>("opacity");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QString>("opacityText");
    QTest::addColumn<QString>("radiusText");

    // trunc(1.0 x 255) = 255; trunc(0.5 x 255 = 127.5) = 127; trunc(7.9) = 7.
    QTest::newRow("opaque") << 1.0 << 7.9 << "255" << "7";
    QTest::newRow("half") << 0.5 << 0.0 << "127" << "0";
    // trunc(0.1 x 255 = 25.5) = 25; the radius stops at 20.
    QTest::newRow("faint, widest shadow") << 0.1 << 20.0 << "25" << "20";
}

void TestContentPanel::showsValues()
{
    QFETCH(double, opacity);
    QFETCH(double, radius);
    QFETCH(QString, opacityText);
    QFETCH(QString, radiusText);

    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    content->setContentOpacity(opacity);
    content->setShadowRadius(radius);
    content->setShadowColor(QColor(10, 20, 30));
    content->setPerspective(QPointF(12, -30));
    const auto panel = panelOf(content, QStringLiteral("Picture"));
    QVERIFY(panel);

    QCOMPARE(panel->titleLabel->text(), QStringLiteral("Picture"));
    QCOMPARE(panel->opacityValueLabel->text(), opacityText);
    QCOMPARE(panel->radiusValueLabel->text(), radiusText);
    QCOMPARE(panel->cOpacity->minimum(), 0.0);
    QCOMPARE(panel->cOpacity->maximum(), 1.0);
    QVERIFY(qAbs(panel->cOpacity->value() - opacity) < 1e-4);
    QCOMPARE(panel->cShadowRadius->minimum(), 0.0);
    QCOMPARE(panel->cShadowRadius->maximum(), 20.0);
    QVERIFY(qAbs(panel->cShadowRadius->value() - radius) < 1e-4);
    QCOMPARE(panel->cPerspWidget->range(), QRectF(-70, -70, 140, 140));
    QCOMPARE(panel->cPerspWidget->value(), QPointF(12, -30));
    QCOMPARE(panel->shadowColorButn->color(), QColor(10, 20, 30));
    QCOMPARE(panel->shadowColorButn->size(), QSize(16, 16));
    QCOMPARE(panel->restoreButn->size(), QSize(16, 16));
}

void TestContentPanel::buildingWritesNothing()
{
    // Inside a canvas the frame panel's announcements come back to the
    // content; they carry its own values and change nothing.
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    auto* content = new SwatchContent(&canvas, false, 1);
    canvas.addManualContent(content, QPoint(400, 300));
    content->setFrameMargin(9);
    content->setFrameAlpha(100);
    content->setContentOpacity(0.5);
    content->setShadowRadius(4.5);
    canvas.slotResetChanges();
    QSignalSpy edited(content, &AbstractContent::contentEdited);
    QSignalSpy frameChange(content, &AbstractContent::changeFrame);

    const auto panel = panelOf(content);
    QCOMPARE(edited.count(), 0);
    QCOMPARE(frameChange.count(), 0);
    QCOMPARE(content->frameMargin(), 9);
    QCOMPARE(content->frameAlpha(), 100);
    QCOMPARE(content->contentOpacity(), 0.5);
    QCOMPARE(content->shadowRadius(), 4.5);
    QVERIFY(!canvas.pendingChanges());
}

void TestContentPanel::controlsWriteProperties()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    const auto panel = panelOf(content);

    panel->cOpacity->setValue(0.25);
    QCOMPARE(content->contentOpacity(), 0.25);
    // trunc(0.25 x 255 = 63.75) = 63.
    QCOMPARE(panel->opacityValueLabel->text(), QStringLiteral("63"));

    panel->cShadowRadius->setValue(12.5);
    QCOMPARE(content->shadowRadius(), 12.5);
    QCOMPARE(panel->radiusValueLabel->text(), QStringLiteral("12"));

    panel->cPerspWidget->setValue(QPointF(30, -20));
    QCOMPARE(content->perspective(), QPointF(30, -20));
    panel->restoreButn->click();
    QCOMPARE(content->perspective(), QPointF(0, 0));
    QCOMPARE(panel->cPerspWidget->value(), QPointF(0, 0));

    panel->shadowColorButn->setColor(QColor(200, 0, 0), false);
    QCOMPARE(content->shadowColor(), QColor(200, 0, 0));
}

void TestContentPanel::propertiesReachControls()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    const auto panel = panelOf(content);

    content->setContentOpacity(0.5);
    QVERIFY(qAbs(panel->cOpacity->value() - 0.5) < 1e-4);
    QCOMPARE(panel->opacityValueLabel->text(), QStringLiteral("127"));
    content->setShadowRadius(3.2);
    QVERIFY(qAbs(panel->cShadowRadius->value() - 3.2) < 1e-4);
    QCOMPARE(panel->radiusValueLabel->text(), QStringLiteral("3"));
    content->setPerspective(QPointF(-40, 25));
    QCOMPARE(panel->cPerspWidget->value(), QPointF(-40, 25));
    content->setShadowColor(QColor(0, 90, 0));
    QCOMPARE(panel->shadowColorButn->color(), QColor(0, 90, 0));
    // Shown, not written back.
    QCOMPARE(content->contentOpacity(), 0.5);
    QCOMPARE(content->shadowRadius(), 3.2);
}

void TestContentPanel::stackAndRemoveButtons()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    const auto panel = panelOf(content);
    QSignalSpy stack(content, &AbstractContent::changeStack);
    QSignalSpy removal(content, &AbstractContent::requestRemoval);

    panel->cFront->click();
    panel->cRaise->click();
    panel->cLower->click();
    panel->cBack->click();
    QCOMPARE(stack.count(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(stack.at(i).at(0).toInt(), i + 1);
    QCOMPARE(removal.count(), 0);
    panel->tRemove->click();
    QCOMPARE(removal.count(), 1);
    QCOMPARE(stack.count(), 4);
}

void TestContentPanel::sectionsInOrder()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* plain = new SwatchContent(&scene);
    {
        const auto panel = panelOf(plain);
        const QList<QToolBoxWidget*> sections = sectionsOf(panel.get());
        QCOMPARE(sections.size(), 2);
        QCOMPARE(titleOf(sections[0]), QStringLiteral("Layer"));
        QVERIFY(sections[0]->isAncestorOf(panel->contentWidget));
        QVERIFY(sections[0]->isExpanded());
        QCOMPARE(titleOf(sections[1]), QStringLiteral("Shape"));
        QVERIFY(sections[1]->isAncestorOf(framesOf(panel.get())));
        QVERIFY(sections[1]->isExpanded());
    }

    auto* content = new SectionedContent(&scene);
    // QString order is by UTF-16 code: capitals before small letters.
    content->titles = {"Zebra", "beta", "Alpha", "Mid"};
    auto panel = panelOf(content);
    const QList<QToolBoxWidget*> sections = sectionsOf(panel.get());
    QStringList titles;
    for (QToolBoxWidget* section : sections)
        titles << titleOf(section);
    QCOMPARE(titles, (QStringList{"Layer", "Alpha", "Mid", "Zebra", "beta", "Shape"}));
    for (int i = 1; i <= 4; ++i) {
        QVERIFY(sections[i]->isExpanded());
        QVERIFY(std::any_of(content->made.cbegin(), content->made.cend(),
            [&](const QPointer<QWidget>& made) { return sections[i]->isAncestorOf(made); }));
    }
    // The panel took the sections over.
    QPointer<QWidget> first = content->made.first();
    panel.reset();
    QVERIFY(first.isNull());
}

void TestContentPanel::framePanel_data()
{
    QTest::addColumn<int>("frameClass");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QColor>("color");

    // Without a frame: class 0, margin 0, alpha 255, white.
    QTest::newRow("no frame") << 0 << -1 << -1 << QColor();
    QTest::newRow("standard") << 1 << 7 << 200 << QColor(30, 60, 90);
    QTest::newRow("heart") << 2 << 0 << 40 << QColor(250, 0, 0);
}

void TestContentPanel::framePanel()
{
    QFETCH(int, frameClass);
    QFETCH(int, margin);
    QFETCH(int, alpha);
    QFETCH(QColor, color);

    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene, false, frameClass);
    if (frameClass != 0) {
        // A new colour takes the frame's own alpha: the alpha comes after.
        content->setFrameColor(color);
        content->setFrameMargin(margin);
        content->setFrameAlpha(alpha);
    } else {
        margin = 0;
        alpha = 255;
        color = Qt::white;
    }
    QSignalSpy margins(content, &AbstractContent::changeShapeMargin);
    QSignalSpy alphas(content, &AbstractContent::changeShapeAlpha);
    QSignalSpy colors(content, &AbstractContent::changeShapeColor);
    QSignalSpy frames(content, &AbstractContent::changeFrame);
    const auto panel = panelOf(content);
    FrameWidget* frameWidget = framesOf(panel.get());
    QVERIFY(frameWidget);

    QCOMPARE(checkedFrameClass(frameWidget), frameClass);
    QCOMPARE(part<QContinuesSlider>(frameWidget, "marginSlider")->value(), margin);
    QCOMPARE(part<QContinuesSlider>(frameWidget, "alphaSlider")->value(), alpha);
    QCOMPARE(part<QLabel>(frameWidget, "marginValueLabel")->text(), QString::number(margin));
    QCOMPARE(part<QLabel>(frameWidget, "opacityValueLabel")->text(), QString::number(alpha));
    auto* swatch = part<ColorSelectorButton>(frameWidget, "frameColorButn");
    QCOMPARE(swatch->color(), color);
    QCOMPARE(swatch->isEnabled(), frameClass != 0);
    // The margin and alpha come back once, as they are; nothing else.
    QCOMPARE(margins.count(), 1);
    QCOMPARE(margins.first().first().toInt(), margin);
    QCOMPARE(alphas.count(), 1);
    QCOMPARE(alphas.first().first().toInt(), alpha);
    QCOMPARE(colors.count(), 0);
    QCOMPARE(frames.count(), 0);
}

void TestContentPanel::frameSignalsReachContent()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    const auto panel = panelOf(content);
    FrameWidget* frameWidget = framesOf(panel.get());
    QSignalSpy frames(content, &AbstractContent::changeFrame);
    QSignalSpy margins(content, &AbstractContent::changeShapeMargin);
    QSignalSpy alphas(content, &AbstractContent::changeShapeAlpha);
    QSignalSpy colors(content, &AbstractContent::changeShapeColor);

    // The third button is class 4.
    frameWidget->findChildren<PixmapButton*>().at(2)->click();
    QCOMPARE(frames.count(), 1);
    QCOMPARE(frames.first().at(0).value<quint32>(), 4u);
    QCOMPARE(frames.first().at(1).toBool(), false);
    QCOMPARE(alphas.count(), 1);
    QCOMPARE(margins.count(), 1);

    part<QContinuesSlider>(frameWidget, "alphaSlider")->setValue(99, false);
    QCOMPARE(alphas.last().first().toInt(), 99);
    part<QContinuesSlider>(frameWidget, "marginSlider")->setValue(11, false);
    QCOMPARE(margins.last().first().toInt(), 11);

    emit part<ColorSelectorButton>(frameWidget, "frameColorButn")->clicked();
    QVERIFY(frameWidget->popup());
    emit frameWidget->popup()->colorChanged(QColor(1, 2, 3));
    QCOMPARE(colors.count(), 1);
    QCOMPARE(colors.first().first().value<QColor>(), QColor(1, 2, 3));
}

void TestContentPanel::colorPopupFollowsLatestSwatch()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    const auto first = panelOf(content);
    const auto second = panelOf(content);
    QVERIFY(!content->colorPopup());

    emit first->shadowColorButn->clicked();
    QPopupColorWidget* popup = content->colorPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    emit first->shadowColorButn->clicked();
    QVERIFY(!popup->isVisible());

    emit second->shadowColorButn->clicked();
    QCOMPARE(content->colorPopup(), popup);
    QVERIFY(popup->isVisible());
    QSignalSpy firstAnnounced(first->shadowColorButn, &ColorSelectorButton::colorChanged);
    QSignalSpy secondAnnounced(second->shadowColorButn, &ColorSelectorButton::colorChanged);
    emit popup->colorChanged(QColor(0, 0, 255));
    // The second swatch takes the pick and its editor writes it; the first
    // only shows the new property value.
    QCOMPARE(secondAnnounced.count(), 1);
    QCOMPARE(firstAnnounced.count(), 0);
    QCOMPARE(content->shadowColor(), QColor(0, 0, 255));
    QCOMPARE(first->shadowColorButn->color(), QColor(0, 0, 255));
    emit second->shadowColorButn->clicked();
    QVERIFY(!popup->isVisible());
}

void TestContentPanel::colorPopupOutlivesPanel()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    content->setShadowColor(QColor(5, 5, 5));
    auto panel = panelOf(content);
    emit panel->shadowColorButn->clicked();
    QPointer<QPopupColorWidget> popup = content->colorPopup();
    QVERIFY(popup && popup->isVisible());

    // The appliance replaces the panel on the next selection change.
    panel.reset();
    QVERIFY(popup);
    QVERIFY(!popup->isVisible());
    emit popup->colorChanged(QColor(0, 200, 0));
    QCOMPARE(content->shadowColor(), QColor(5, 5, 5));
    QVERIFY(!popup->isVisible());

    // A new panel takes the chooser over.
    const auto next = panelOf(content);
    emit next->shadowColorButn->clicked();
    QCOMPARE(content->colorPopup(), popup.data());
    QVERIFY(popup->isVisible());
    emit popup->colorChanged(QColor(0, 200, 0));
    QCOMPARE(content->shadowColor(), QColor(0, 200, 0));
}

void TestContentPanel::colorPopupGoesWithContent()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* deleted = new SwatchContent(&scene);
    const auto panel = panelOf(deleted);
    emit panel->shadowColorButn->clicked();
    QPointer<QPopupColorWidget> popup = deleted->colorPopup();
    QVERIFY(popup && popup->isVisible());
    delete deleted;
    QVERIFY(popup.isNull());
    // The orphaned swatch opens nothing.
    emit panel->shadowColorButn->clicked();

    QPointer<SwatchContent> disposed = new SwatchContent(&scene);
    const auto other = panelOf(disposed);
    emit other->shadowColorButn->clicked();
    popup = disposed->colorPopup();
    QVERIFY(popup);
    disposed->dispose(false);
    QVERIFY(popup.isNull());
    QVERIFY(!disposed->colorPopup());
    QTRY_VERIFY(disposed.isNull());
}

void TestContentPanel::panelOfDeletedContentIsInert()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene, false, 1);
    const auto panel = panelOf(content);
    FrameWidget* frameWidget = framesOf(panel.get());
    delete content;

    // Under AddressSanitizer any write into the freed content would show.
    panel->cOpacity->setValue(0.3);
    panel->cShadowRadius->setValue(9.0);
    panel->cPerspWidget->setValue(QPointF(10, 10));
    panel->shadowColorButn->setColor(Qt::red, false);
    emit panel->shadowColorButn->clicked();
    panel->restoreButn->click();
    panel->cFront->click();
    panel->cBack->click();
    panel->tRemove->click();
    frameWidget->findChildren<PixmapButton*>().at(1)->click();
    part<QContinuesSlider>(frameWidget, "alphaSlider")->setValue(10, false);
    QCOMPARE(panel->opacityValueLabel->text(), QStringLiteral("76"));
}

void TestContentPanel::canvasShowsContentPanel()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    auto* content = new SwatchContent(&canvas);
    canvas.addManualContent(content, QPoint(400, 300));
    // Nobody listens: no panel is made, so none is left over.
    content->setSelected(true);
    content->setSelected(false);

    QList<QWidget*> shown;
    connect(&canvas, &Canvas::showPropertiesWidget, this, [&](QWidget* widget) { shown << widget; });
    content->setSelected(true);
    QCOMPARE(shown.size(), 1);
    auto* panel = qobject_cast<ContentProperties*>(shown.first());
    QVERIFY(panel);
    QCOMPARE(panel->titleLabel->text(), content->contentName());
    QSignalSpy stack(content, &AbstractContent::changeStack);
    panel->cRaise->click();
    QCOMPARE(stack.count(), 1);
    canvas.clearSelection();
    QCOMPARE(shown.size(), 2);
    QVERIFY(!shown.last());
    delete panel;
}

void TestContentPanel::lookAtPanel()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene, false, 4);
    content->setFrameMargin(6);
    content->setShadowRadius(8.0);
    content->setShadowColor(QColor(120, 40, 40));
    content->setContentOpacity(0.8);
    content->setPerspective(QPointF(20, -10));
    const auto panel = panelOf(content, QStringLiteral("Picture"));
    panel->resize(240, 900);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    keepForLooking(panel.get(), QStringLiteral("content-panel.png"));
    // Every section fits the panel's fixed width.
    for (QToolBoxWidget* section : sectionsOf(panel.get()))
        QVERIFY(section->width() <= 240);
}

QTEST_MAIN(TestContentPanel)
#include "tst_contentpanel.moc"
