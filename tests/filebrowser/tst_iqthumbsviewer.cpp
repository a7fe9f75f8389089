#include "filebrowser/IQThumbsViewer.h"
#include "files/IQFileItem.h"
#include "files/IQImageLimits.h"

#include "../files/ImageFixtures.h"
#include "support/TestSupport.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItem>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// An item that counts its decodes in a log shared by a whole list, fails
// when asked to, and runs a hook inside its decode (to scroll or delete the
// browser while a load runs).
class CountingItem : public IQFileItem
{
public:
    CountingItem(int number, QList<int>* log)
        : IQFileItem(QStringLiteral("/nowhere/item-%1.jpg").arg(number))
        , number(number)
        , log(log)
    {
    }

    QImage thumbnail(QSize size) override
    {
        log->append(number);
        if (onDecode)
            onDecode();
        if (fails)
            return QImage();
        // 4:3, red, filling the box's width.
        QImage image(size.width(), size.width() * 3 / 4, QImage::Format_ARGB32);
        image.fill(Qt::red);
        return image;
    }
    QString text() override { return caption.isEmpty() ? fileName() : caption; }

    const int number;
    QList<int>* const log;
    bool fails = false;
    QString caption;
    std::function<void()> onDecode;
};

using Items = QList<std::shared_ptr<CountingItem>>;

Items makeItems(int count, QList<int>* log)
{
    Items items;
    for (int i = 0; i < count; ++i)
        items.append(std::make_shared<CountingItem>(i, log));
    return items;
}

QList<std::shared_ptr<IQThumbnailItem>> base(const Items& items)
{
    return QList<std::shared_ptr<IQThumbnailItem>>(items.cbegin(), items.cend());
}

QList<int> range(int first, int last, int step = 1)
{
    QList<int> rows;
    for (int row = first; step > 0 ? row <= last : row >= last; row += step)
        rows.append(row);
    return rows;
}

bool isLoaded(IQThumbsViewer& view, int row)
{
    return view.itemAtRow(row)->data(IQThumbsViewer::LoadedRole).toBool();
}

} // namespace

class TestIQThumbsViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadWindow_data();
    void loadWindow();
    void addingLoadsOnlyTheWindowOnce();
    void scrollingLoadsInItsDirection();
    void scrollingElsewhereLeavesANewBrowserAlone();
    void scrollDuringLoadRestartsIt();
    void secondBrowserLoadsAfterTheFirst();
    void growingTheViewLoadsWhatItShows();
    void failingItemIsReadOnce_data();
    void failingItemIsReadOnce();
    void rowCarriesItsRoles();
    void removeSelected_data();
    void removeSelected();
    void deletingTheBrowserInsideItsLoops_data();
    void deletingTheBrowserInsideItsLoops();
    void filterMatchesCaptionsInAnyCase_data();
    void filterMatchesCaptionsInAnyCase();
    void hiddenRowsLoadWhenShown();
    void rowNavigation();
    void addThumbAndReset();
    void mouseSignalsCarryTheRow();
    void darkColours();
    void wheelStepIsOneThumbnail_data();
    void wheelStepIsOneThumbnail();
    void shrinkSizeToFit_data();
    void shrinkSizeToFit();

private:
    // A shown browser of a fixed size.
    std::unique_ptr<IQThumbsViewer> makeView();
    void settle() { QTest::qWait(30); }

    QList<int> m_log;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIQThumbsViewer::initTestCase()
{
    IQImageLimits::install();
}

void TestIQThumbsViewer::init()
{
    m_log.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIQThumbsViewer::cleanup()
{
    // No load may outlive its test.
    settle();
}

std::unique_ptr<IQThumbsViewer> TestIQThumbsViewer::makeView()
{
    auto view = std::make_unique<IQThumbsViewer>();
    view->resize(600, 400);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        qWarning("the browser was not exposed");
    return view;
}

void TestIQThumbsViewer::loadWindow_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("windowFirst");
    QTest::addColumn<int>("windowLast");

    // Down: three visible spans past the first; up: three spans above, ten
    // rows below.
    QTest::newRow("down in the middle") << 40 << 59 << 500 << true << 40 << 116;   // 59 + 19 * 3
    QTest::newRow("up in the middle") << 40 << 59 << 500 << false << 0 << 69;      // 40 - 57 < 0; 59 + 10
    QTest::newRow("up far from the top") << 100 << 119 << 500 << false << 43 << 129; // 100 - 57
    QTest::newRow("down near the end") << 480 << 495 << 500 << true << 480 << 499;
    QTest::newRow("up near the end") << 480 << 495 << 500 << false << 435 << 499;
    QTest::newRow("down, one row visible") << 7 << 7 << 500 << true << 7 << 7;
    QTest::newRow("up, one row visible") << 7 << 7 << 500 << false << 7 << 17;
    QTest::newRow("down, all rows visible") << 0 << 11 << 12 << true << 0 << 11;
}

void TestIQThumbsViewer::loadWindow()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, rows);
    QFETCH(bool, down);
    QFETCH(int, windowFirst);
    QFETCH(int, windowLast);

    const IQThumbsViewer::LoadWindow window = IQThumbsViewer::loadWindow(first, last, rows, down);
    QCOMPARE(window.first, windowFirst);
    QCOMPARE(window.last, windowLast);
}

void TestIQThumbsViewer::addingLoadsOnlyTheWindowOnce()
{
    auto view = makeView();
    QSignalSpy counts(view.get(), &IQThumbsViewer::countChanged);
    const Items items = makeItems(250, &m_log);

    // Fires at the first event turn of the add: after its 100th row.
    int rowsAtFirstTurn = -1;
    QTimer::singleShot(0, view.get(), [&] { rowsAtFirstTurn = view->sourceCount(); });
    view->addThumbs(base(items));

    QCOMPARE(rowsAtFirstTurn, 100);
    QCOMPARE(counts.size(), 1);
    QCOMPARE(counts.first().first().toInt(), 250);

    const int first = view->getFirstVisibleThumb();
    const int last = view->getLastVisibleThumb();
    QCOMPARE(first, 0);
    QVERIFY(last > 0);
    QVERIFY(last + (last - first) * 3 < 249);
    QCOMPARE(m_log, range(0, last + (last - first) * 3));

    QCOMPARE(view->selectedCount(), 1);
    QCOMPARE(view->getSelectedThumbs().first(), items.first());

    // A new look at the same rows decodes nothing again.
    settle();
    view->applyFilter(QString());
    settle();
    QCOMPARE(m_log, range(0, last + (last - first) * 3));
    QCOMPARE(counts.size(), 2);
}

void TestIQThumbsViewer::scrollingLoadsInItsDirection()
{
    auto view = makeView();
    const Items items = makeItems(500, &m_log);
    view->addThumbs(base(items));
    settle();
    QSet<int> loaded(m_log.cbegin(), m_log.cend());
    QScrollBar* bar = view->verticalScrollBar();

    // Down: from the first visible row, three spans past the last, rising.
    m_log.clear();
    bar->setValue(bar->maximum() / 2);
    settle();
    int first = view->getFirstVisibleThumb();
    int last = view->getLastVisibleThumb();
    QVERIFY(first > 0 && last > first);
    QList<int> expected;
    for (int row : range(first, qMin(last + (last - first) * 3, 499)))
        if (!loaded.contains(row))
            expected.append(row);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(m_log, expected);
    loaded.unite(QSet<int>(m_log.cbegin(), m_log.cend()));

    // Up by a few rows of thumbnails: ten rows below the last visible one,
    // three spans above the first, falling.
    m_log.clear();
    bar->setValue(bar->value() - 3 * IQThumbsViewer::thumbnailSize);
    settle();
    first = view->getFirstVisibleThumb();
    last = view->getLastVisibleThumb();
    expected.clear();
    for (int row : range(qMin(last + 10, 499), qMax(0, first - (last - first) * 3), -1))
        if (!loaded.contains(row))
            expected.append(row);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(m_log, expected);
}

void TestIQThumbsViewer::scrollingElsewhereLeavesANewBrowserAlone()
{
    auto view = makeView();
    QList<int> otherLog;
    auto other = makeView();
    other->addThumbs(base(makeItems(500, &otherLog)));
    other->verticalScrollBar()->setValue(other->verticalScrollBar()->maximum());
    settle();

    // The first load of the browser looks ahead downwards, as any first load.
    view->addThumbs(base(makeItems(250, &m_log)));
    const int last = view->getLastVisibleThumb();
    QCOMPARE(view->getFirstVisibleThumb(), 0);
    QCOMPARE(m_log, range(0, last * 4));
}

void TestIQThumbsViewer::scrollDuringLoadRestartsIt()
{
    auto view = makeView();
    const Items items = makeItems(500, &m_log);
    view->addThumbs(base(items));
    settle();
    QScrollBar* bar = view->verticalScrollBar();

    // The first decode of the next load brings a scroll to the end with the
    // events it processes.
    bool armed = true;
    for (const auto& item : items) {
        item->onDecode = [&] {
            if (!std::exchange(armed, false))
                return;
            QTimer::singleShot(0, view.get(), [&] { bar->setValue(bar->maximum()); });
        };
    }
    m_log.clear();
    bar->setValue(bar->maximum() / 2);
    QTRY_VERIFY(!m_log.isEmpty() && isLoaded(*view, 499));
    settle();

    // The interrupted load stopped after the row it was decoding...
    const int interrupted = m_log.first();
    QVERIFY(!m_log.contains(interrupted + 1));
    // ...and the load that followed covers the rows now visible, once each.
    const int first = view->getFirstVisibleThumb();
    const int last = view->getLastVisibleThumb();
    QCOMPARE(m_log.mid(1), range(first, last));
    for (int row = first; row <= last; ++row)
        QVERIFY(isLoaded(*view, row));
}

void TestIQThumbsViewer::secondBrowserLoadsAfterTheFirst()
{
    auto first = makeView();
    auto second = makeView();
    const Items items = makeItems(60, &m_log);
    QList<int> secondLog;
    const Items secondItems = makeItems(60, &secondLog);

    // The second browser fills up while the first one is loading.
    items[1]->onDecode = [&] { QTimer::singleShot(0, second.get(), [&] { second->addThumbs(base(secondItems)); }); };
    first->addThumbs(base(items));
    settle();

    // The first load ran to its end; the second browser loaded after it.
    const int firstLast = first->getLastVisibleThumb();
    QCOMPARE(m_log, range(0, qMin(firstLast * 4, 59)));
    QVERIFY(!secondLog.isEmpty());
    for (int row = second->getFirstVisibleThumb(); row <= second->getLastVisibleThumb(); ++row)
        QVERIFY(isLoaded(*second, row));
}

void TestIQThumbsViewer::growingTheViewLoadsWhatItShows()
{
    auto view = makeView();
    const Items items = makeItems(300, &m_log);
    view->addThumbs(base(items));
    settle();
    const int loadedBefore = int(m_log.size());

    // Four times the height shows more rows than the window loaded, with no
    // scroll to announce them.
    view->resize(600, 1600);
    QTRY_VERIFY(view->getLastVisibleThumb() >= loadedBefore);
    settle();
    for (int row = 0; row <= view->getLastVisibleThumb(); ++row)
        QVERIFY2(isLoaded(*view, row), qPrintable(QString::number(row)));
    QCOMPARE(QSet<int>(m_log.cbegin(), m_log.cend()).size(), int(m_log.size()));
}

void TestIQThumbsViewer::failingItemIsReadOnce_data()
{
    QTest::addColumn<bool>("withIcon");
    QTest::newRow("failure icon") << true;
    QTest::newRow("no failure icon") << false;
}

void TestIQThumbsViewer::failingItemIsReadOnce()
{
    QFETCH(bool, withIcon);

    auto view = makeView();
    const QString loadingIcon = m_dir->filePath("loading.png");
    const QString failedIcon = m_dir->filePath("failed.png");
    QImage green(40, 40, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(green.save(loadingIcon));
    QImage blue(40, 40, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(failedIcon));
    view->setLoadingIcon(loadingIcon);
    if (withIcon)
        view->setLoadFailedIcon(failedIcon);

    const Items items = makeItems(300, &m_log);
    items[1]->fails = true;
    view->addThumbs(base(items));
    settle();

    QVERIFY(isLoaded(*view, 1));
    QCOMPARE(m_log.count(1), 1);
    const QVariant decoration = view->itemAtRow(1)->data(Qt::DecorationRole);
    if (withIcon) {
        const QImage shown = decoration.value<QIcon>().pixmap(120, 120).toImage();
        QCOMPARE(shown.pixelColor(60, 50), QColor(Qt::blue));
    } else {
        QVERIFY(!decoration.isValid());
    }

    // Rows past the window still show the loading icon.
    QVERIFY(!isLoaded(*view, 299));
    const QImage waiting = view->itemAtRow(299)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    QCOMPARE(waiting.pixelColor(60, 50), QColor(Qt::green));

    view->applyFilter(QString());
    settle();
    QCOMPARE(m_log.count(1), 1);
}

void TestIQThumbsViewer::rowCarriesItsRoles()
{
    auto view = makeView();
    const QString file = m_dir->filePath("photo.jpg");
    QVERIFY(TestSupport::writeFile(file, QByteArray("x")));
    auto item = std::make_shared<CountingItem>(0, &m_log);
    item->setPath(file);
    view->addThumbs({item});

    const QStandardItem* row = view->itemAtRow(0);
    QVERIFY(row);
    QCOMPARE(row->data(Qt::DisplayRole).toString(), QString("photo.jpg"));
    QCOMPARE(row->data(Qt::ToolTipRole).toString(), QString("photo.jpg"));
    QCOMPARE(row->data(Qt::TextAlignmentRole).toInt(), 36); // centred, at the top of its band
    QCOMPARE(row->data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0x27, 0x27, 0x27));
    const int lineHeight = QFontMetrics(view->font()).height();
    QCOMPARE(row->data(Qt::SizeHintRole).toSize(), QSize(120, 120 + int(1.5 * lineHeight)));
    QCOMPARE(row->data(Qt::UserRole + 1).toString(), item->id());
    QCOMPARE(row->data(Qt::UserRole + 2).toString(), QString("photo.jpg"));
    QCOMPARE(row->data(Qt::UserRole + 3).toString(), QString("jpg"));
    QCOMPARE(row->data(Qt::UserRole + 4).toDateTime(), item->birthTime());
    QCOMPARE(row->data(Qt::UserRole + 5).toDateTime(), item->dateTime());
    QCOMPARE(row->data(Qt::UserRole + 6).toBool(), true);
    QCOMPARE(view->getThumbnailByIndex(0), item);
    QCOMPARE(view->getThumbnailByTag(item->id()), item);
    QVERIFY(!view->getThumbnailByTag("no such tag"));
    QCOMPARE(view->getAllThumbnails(false).size(), 1);

    // The item was asked for 120 x 120 and gave 120 x 90; the canvas shows it
    // inside the box (10, 0, 100, 100): 100 x 75, centred, a band below.
    const QImage canvas = row->data(Qt::DecorationRole).value<QIcon>().pixmap(120, 120).toImage();
    QCOMPARE(canvas.size(), QSize(120, 120));
    QCOMPARE(canvas.pixelColor(60, 50), QColor(Qt::red));
    QCOMPARE(canvas.pixelColor(11, 50), QColor(Qt::red));
    QCOMPARE(canvas.pixelColor(108, 50), QColor(Qt::red));
    QCOMPARE(canvas.pixelColor(5, 50).alpha(), 0);   // left margin
    QCOMPARE(canvas.pixelColor(115, 50).alpha(), 0); // right margin
    QCOMPARE(canvas.pixelColor(60, 8).alpha(), 0);   // above the centred picture
    QCOMPARE(canvas.pixelColor(60, 110).alpha(), 0); // the band below
}

namespace {
enum Decide { NoCallback, RefuseAtOnce, StopAfterOne, RefuseTheSecond };
}

void TestIQThumbsViewer::removeSelected_data()
{
    QTest::addColumn<int>("decide");
    QTest::addColumn<QList<int>>("removedRows");
    QTest::addColumn<QList<int>>("askedAbout"); // item numbers, in order
    QTest::addColumn<QList<int>>("remaining");

    // Rows 1, 3 and 4 of six are selected.
    QTest::newRow("no callback") << int(NoCallback) << QList<int>{4, 3, 1} << QList<int>{}
                                 << QList<int>{0, 2, 5};
    QTest::newRow("refuses at once") << int(RefuseAtOnce) << QList<int>{} << QList<int>{4}
                                     << QList<int>{0, 1, 2, 3, 4, 5};
    QTest::newRow("stops after one") << int(StopAfterOne) << QList<int>{4} << QList<int>{4}
                                     << QList<int>{0, 1, 2, 3, 5};
    QTest::newRow("refuses the second") << int(RefuseTheSecond) << QList<int>{4} << QList<int>{4, 3}
                                        << QList<int>{0, 1, 2, 3, 5};
}

void TestIQThumbsViewer::removeSelected()
{
    QFETCH(int, decide);
    QFETCH(QList<int>, removedRows);
    QFETCH(QList<int>, askedAbout);
    QFETCH(QList<int>, remaining);

    auto view = makeView();
    const Items items = makeItems(6, &m_log);
    view->addThumbs(base(items));
    settle();
    view->selectionModel()->clearSelection();
    for (int row : {1, 3, 4})
        view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select);
    QCOMPARE(view->selectedCount(), 3);

    QList<int> removed;
    connect(view->itemAtRow(0)->model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [&removed](const QModelIndex&, int first, int) { removed.append(first); });
    QSignalSpy counts(view.get(), &IQThumbsViewer::countChanged);

    QList<int> asked;
    QList<int> removedSoFar;
    std::function<bool(std::shared_ptr<IQThumbnailItem>, int, bool*)> callback;
    if (decide != NoCallback) {
        callback = [&, decide](std::shared_ptr<IQThumbnailItem> item, int count, bool* stop) {
            asked.append(std::static_pointer_cast<CountingItem>(item)->number);
            removedSoFar.append(count);
            if (decide == StopAfterOne)
                *stop = true;
            return decide == StopAfterOne || (decide == RefuseTheSecond && count == 0);
        };
    }
    view->removeSelected(callback);

    QCOMPARE(removed, removedRows);
    QCOMPARE(asked, askedAbout);
    QCOMPARE(removedSoFar, range(0, int(askedAbout.size()) - 1));
    QList<int> left;
    for (const auto& item : view->getAllThumbnails(false))
        left.append(std::static_pointer_cast<CountingItem>(item)->number);
    QCOMPARE(left, remaining);
    QCOMPARE(counts.size(), 1);
    QCOMPARE(counts.first().first().toInt(), int(remaining.size()));
}

namespace {
enum DeleteDuring { DuringLoad, DuringAdd, DuringRemove };
}

void TestIQThumbsViewer::deletingTheBrowserInsideItsLoops_data()
{
    QTest::addColumn<int>("during");
    QTest::newRow("load") << int(DuringLoad);
    QTest::newRow("add") << int(DuringAdd);
    QTest::newRow("remove") << int(DuringRemove);
}

void TestIQThumbsViewer::deletingTheBrowserInsideItsLoops()
{
    QFETCH(int, during);

    auto* view = makeView().release();
    const QPointer<IQThumbsViewer> watch(view);
    // As the workflow does when the user leaves the mode: the browser goes
    // from inside an event its loop processes.
    const auto deleteSoon = [view] { QTimer::singleShot(0, [view] { delete view; }); };
    const Items items = makeItems(150, &m_log);

    switch (during) {
    case DuringLoad:
        items[2]->onDecode = deleteSoon;
        view->addThumbs(base(items));
        QCOMPARE(m_log, QList<int>({0, 1, 2}));
        break;
    case DuringAdd:
        deleteSoon();
        view->addThumbs(base(items));
        QVERIFY(m_log.isEmpty());
        break;
    case DuringRemove:
        view->addThumbs(base(items));
        settle();
        view->selectAll();
        view->removeSelected([&](std::shared_ptr<IQThumbnailItem>, int count, bool*) {
            if (count == 0)
                deleteSoon();
            return true;
        });
        break;
    }
    QVERIFY(watch.isNull());
    settle();

    // A browser made afterwards loads its thumbnails.
    m_log.clear();
    auto second = makeView();
    view = nullptr;
    const Items more = makeItems(20, &m_log);
    second->addThumbs(base(more));
    QVERIFY(!m_log.isEmpty());
    QVERIFY(isLoaded(*second, 0));
}

void TestIQThumbsViewer::filterMatchesCaptionsInAnyCase_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("upper case") << "BEACH" << QStringList{"Beach.jpg", "beach-2.jpg"};
    QTest::newRow("middle of a name") << "unt" << QStringList{"Mountain.png"};
    QTest::newRow("empty shows all") << "" << QStringList{"Beach.jpg", "Mountain.png", "beach-2.jpg"};
    QTest::newRow("nothing matches") << "xyz" << QStringList{};
}

void TestIQThumbsViewer::filterMatchesCaptionsInAnyCase()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);

    auto view = makeView();
    Items items = makeItems(3, &m_log);
    items[0]->caption = "Beach.jpg";
    items[1]->caption = "Mountain.png";
    items[2]->caption = "beach-2.jpg";
    view->addThumbs(base(items));
    QSignalSpy counts(view.get(), &IQThumbsViewer::countChanged);
    QSignalSpy selections(view.get(), &IQThumbsViewer::selectionCountChanged);

    view->applyFilter(filter);

    QStringList captions;
    for (const auto& item : view->getAllThumbnails(true))
        captions.append(item->text());
    QCOMPARE(captions, shown);
    QCOMPARE(view->visibleCount(), int(shown.size()));
    QCOMPARE(view->sourceCount(), 3);
    QCOMPARE(view->getAllThumbnails(false).size(), 3);
    QCOMPARE(counts.size(), 1);
    QCOMPARE(counts.first().first().toInt(), int(shown.size()));
    QVERIFY(!selections.isEmpty());
}

void TestIQThumbsViewer::hiddenRowsLoadWhenShown()
{
    auto view = makeView();
    Items items = makeItems(8, &m_log);
    for (const auto& item : items)
        item->caption = QStringLiteral("%1-%2").arg(item->number % 2 ? "hide" : "keep").arg(item->number);
    view->applyFilter("keep");
    view->addThumbs(base(items));
    settle();
    QCOMPARE(m_log, QList<int>({0, 2, 4, 6}));

    view->applyFilter(QString());
    settle();
    QCOMPARE(m_log, QList<int>({0, 2, 4, 6, 1, 3, 5, 7}));
}

void TestIQThumbsViewer::rowNavigation()
{
    auto view = makeView();
    QCOMPARE(view->getRandomRow(), -1);
    QCOMPARE(view->getLastRow(), -1);
    QVERIFY(!view->setCurrentIndexByRow(0));
    QVERIFY(!view->getThumbnailByIndex(0));

    const Items items = makeItems(5, &m_log);
    view->addThumbs(base(items));
    QCOMPARE(view->getLastRow(), 4);

    view->setCurrentRow(-3);
    QCOMPARE(view->getCurrentRow(), 0);
    QCOMPARE(view->getPrevRow(), -1);
    QCOMPARE(view->getNextRow(), 1);
    view->setCurrentRow(4);
    QCOMPARE(view->getNextRow(), -1);
    QCOMPARE(view->getPrevRow(), 3);

    QVERIFY(!view->setCurrentIndexByRow(5));
    QCOMPARE(view->getCurrentRow(), 4);
    view->selectThumbByRow(2);
    QCOMPARE(view->getCurrentRow(), 2);
    QCOMPARE(view->getSelectedThumbs(), QList<std::shared_ptr<IQThumbnailItem>>{items[2]});

    QSet<int> drawn;
    for (int i = 0; i < 200; ++i) {
        const int row = view->getRandomRow();
        QVERIFY(row >= 0 && row <= 4);
        drawn.insert(row);
    }
    QCOMPARE(drawn.size(), 5);

    view->invertSelection();
    QCOMPARE(view->selectedCount(), 4);
    QVERIFY(!view->getSelectedThumbs().contains(items[2]));
}

void TestIQThumbsViewer::addThumbAndReset()
{
    auto view = makeView();
    QSignalSpy counts(view.get(), &IQThumbsViewer::countChanged);
    auto single = std::make_shared<CountingItem>(7, &m_log);
    view->addThumb(single);

    // Made at once, announced to nobody.
    QCOMPARE(m_log, QList<int>{7});
    QVERIFY(isLoaded(*view, 0));
    QVERIFY(!view->itemAtRow(0)->data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(counts.isEmpty());
    QCOMPARE(view->getThumbnailByIndex(0), single);

    const Items items = makeItems(3, &m_log);
    view->resetThumbs(base(items));
    QCOMPARE(view->sourceCount(), 3);
    QVERIFY(!view->getThumbnailByTag(single->id()));
    QCOMPARE(view->getAllThumbnails(false), base(items));
    QCOMPARE(counts.size(), 1);
    QCOMPARE(counts.first().first().toInt(), 3);
}

void TestIQThumbsViewer::mouseSignalsCarryTheRow()
{
    auto view = makeView();
    Items items = makeItems(3, &m_log);
    view->applyFilter("item-2");
    view->addThumbs(base(items));
    QSignalSpy menus(view.get(), &IQThumbsViewer::contextMenu);
    QSignalSpy doubleClicks(view.get(), &IQThumbsViewer::doubleClicked);

    // The only row shown is source row 2, view row 0.
    const QPoint onRow = view->visualRect(view->model()->index(0, 0)).center();
    QContextMenuEvent onItem(QContextMenuEvent::Mouse, onRow, view->viewport()->mapToGlobal(onRow));
    QCoreApplication::sendEvent(view->viewport(), &onItem);
    const QPoint empty(view->viewport()->width() - 5, view->viewport()->height() - 5);
    QContextMenuEvent onNothing(QContextMenuEvent::Mouse, empty, view->viewport()->mapToGlobal(empty));
    QCoreApplication::sendEvent(view->viewport(), &onNothing);
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first().first().toModelIndex(), view->model()->index(0, 0));

    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, onRow);
    QVERIFY(!doubleClicks.isEmpty());
    const QModelIndex clicked = doubleClicks.last().first().toModelIndex();
    QCOMPARE(clicked.row(), 2);
    QCOMPARE(clicked.model(), view->itemAtRow(0)->model());
    // The row selected is source row 2, whatever its place in the view.
    QCOMPARE(view->getCurrentRow(), 2);
}

void TestIQThumbsViewer::darkColours()
{
    auto view = makeView();
    const QPalette scrollBarPalette = view->verticalScrollBar()->palette();
    view->setThumbColors();

    QCOMPARE(view->styleSheet(), QString("QListView { background: rgb(34, 34, 34); background-attachment: fixed; }"));
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(view->palette().color(group, QPalette::Text), QColor(Qt::white));
    QCOMPARE(view->verticalScrollBar()->palette(), scrollBarPalette);
}

void TestIQThumbsViewer::wheelStepIsOneThumbnail_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("step");

    QTest::newRow("one notch down") << -120 << 120;
    QTest::newRow("a touch-pad flick down") << -7 << 120;
    QTest::newRow("four notches down") << -480 << 120;
    QTest::newRow("one notch up") << 120 << -120;
    QTest::newRow("four notches up") << 480 << -120;
    QTest::newRow("no delta") << 0 << -120;
}

void TestIQThumbsViewer::wheelStepIsOneThumbnail()
{
    QFETCH(int, delta);
    QFETCH(int, step);

    auto view = makeView();
    view->addThumbs(base(makeItems(200, &m_log)));
    QScrollBar* bar = view->verticalScrollBar();
    QVERIFY(bar->maximum() > 1000);
    bar->setValue(600);

    const QPointF at(50, 50);
    QWheelEvent event(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->viewport(), &event);
    QCOMPARE(bar->value(), 600 + step);
}

void TestIQThumbsViewer::shrinkSizeToFit_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("scale");

    QTest::newRow("wide into a square") << QSize(200, 100) << QRect(0, 0, 100, 100) << 100.0 << 50.0 << 0.499;
    QTest::newRow("tall into a square") << QSize(100, 400) << QRect(5, 5, 100, 100) << 25.0 << 100.0 << 0.249;
    QTest::newRow("fits already") << QSize(50, 40) << QRect(0, 0, 100, 100) << 50.0 << 40.0 << 1.0;
    QTest::newRow("exactly the rectangle") << QSize(100, 100) << QRect(0, 0, 100, 100) << 100.0 << 100.0 << 1.0;
    QTest::newRow("empty size") << QSize(0, 0) << QRect(0, 0, 10, 10) << 0.0 << 0.0 << 1.0;
}

void TestIQThumbsViewer::shrinkSizeToFit()
{
    QFETCH(QSize, size);
    QFETCH(QRect, rect);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, scale);

    double w = -1;
    double h = -1;
    QCOMPARE(IQThumbsViewer::shrinkSizeToFit(size, rect, &w, &h), scale);
    QCOMPARE(w, width);
    QCOMPARE(h, height);
    QCOMPARE(IQThumbsViewer::shrinkSizeToFit(size, rect, nullptr, nullptr), scale);
}

QTEST_MAIN(TestIQThumbsViewer)
#include "tst_iqthumbsviewer.moc"
