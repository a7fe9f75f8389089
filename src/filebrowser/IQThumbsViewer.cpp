#include "filebrowser/IQThumbsViewer.h"

#include "files/IQMath.h"

#include "files/SortFilterModel.h"
#include "platform/RandomSource.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The browser whose load is running. A load processes events between rows,
// and a load started from those events, in any browser, would otherwise
// nest inside it. Cleared by the browser's destructor, so a browser deleted
// during its own load never blocks the loads of the others.
IQThumbsViewer* s_loadingViewer = nullptr;
// Browsers that asked to load while another one was loading; they load when
// it ends.
QList<IQThumbsViewer*> s_waitingViewers;

const QColor rowBackground(39, 39, 39);
const QColor gridBackground(34, 34, 34);

} // namespace

IQThumbsViewer::LoadWindow IQThumbsViewer::loadWindow(int first, int last, int rowCount, bool scrollingDown)
{
    const int span = last - first;
    const int lastRow = rowCount - 1;
    if (scrollingDown)
        return {first, std::min(last + span * (lookAheadFactor + 1), lastRow)};
    return {std::max(0, first - span * (lookAheadFactor + 1)), std::min(last + upwardMargin, lastRow)};
}

IQThumbsViewer::IQThumbsViewer(QWidget* parent)
    : QListView(parent)
{
    // Exists before the first layout, which starts it.
    m_layoutCheck = new QTimer(this);
    m_layoutCheck->setSingleShot(true);
    m_layoutCheck->setInterval(0);
    connect(m_layoutCheck, &QTimer::timeout, this, [this] { loadVisibleThumbs(verticalScrollBar()->value()); });

    setViewMode(QListView::IconMode);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setResizeMode(QListView::Adjust);
    setWordWrap(false);
    setDragEnabled(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(false);
    setSpacing(0);
    setTextElideMode(Qt::ElideMiddle);

    m_sourceModel = new QStandardItemModel(this);
    m_sourceModel->setSortRole(TextRole);
    m_proxyModel = new SortFilterModel(this);
    m_proxyModel->setSourceModel(m_sourceModel);
    m_proxyModel->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxyModel->setSortRole(TextRole);
    m_proxyModel->setFilterRole(Qt::DisplayRole);
    setModel(m_proxyModel);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &IQThumbsViewer::loadVisibleThumbs);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &IQThumbsViewer::onSelectionChanged);

    std::srand(unsigned(QTime::currentTime().msec()));
    loadPrepare();
}

IQThumbsViewer::~IQThumbsViewer()
{
    s_waitingViewers.removeAll(this);
    if (s_loadingViewer == this) {
        s_loadingViewer = nullptr;
        wakeWaitingViewers();
    }
}

void IQThumbsViewer::setLoadingIcon(QString path)
{
    m_loadingIcon = readIcon(path);
}

void IQThumbsViewer::setLoadFailedIcon(QString path)
{
    m_loadFailedIcon = readIcon(path);
}

void IQThumbsViewer::loadPrepare()
{
    m_sourceModel->clear();
    m_proxyModel->setFilter(QString());
    m_proxyModel->invalidate();
    setIconSize(QSize(m_thumbnailSize, m_thumbnailSize));
    setSpacing(fontMetrics().height());
    if (m_needToScroll)
        scrollToTop();
    m_abort = false;
    m_window = LoadWindow();
}

QSize IQThumbsViewer::rowSizeHint() const
{
    return QSize(m_thumbnailSize, m_thumbnailSize + int(1.5 * QFontMetrics(font()).height()));
}

QStandardItem* IQThumbsViewer::makeRow(const std::shared_ptr<IQThumbnailItem>& item, QSize sizeHint) const
{
    auto* row = new QStandardItem;
    const QString text = item->text();
    row->setData(text, Qt::DisplayRole);
    // The caption sits right under the picture's band.
    row->setData(int(Qt::AlignHCenter | Qt::AlignTop), Qt::TextAlignmentRole);
    row->setData(sizeHint, Qt::SizeHintRole);
    row->setData(item->id(), TagRole);
    row->setData(text, TextRole);
    row->setData(item->suffix(), SuffixRole);
    row->setData(item->birthTime(), BirthTimeRole);
    row->setData(item->dateTime(), DateTimeRole);
    return row;
}

void IQThumbsViewer::addThumbs(const QList<std::shared_ptr<IQThumbnailItem>>& items)
{
    const QPointer<IQThumbsViewer> guard(this);
    const QSize sizeHint = rowSizeHint();
    QList<QStandardItem*> batch;
    // Rows go in as batches, one insertion each: the view and the proxy
    // react to a batch at the cost of one row.
    const auto appendBatch = [this, &batch] {
        m_sourceModel->invisibleRootItem()->appendRows(batch);
        batch.clear();
    };
    for (const std::shared_ptr<IQThumbnailItem>& item : items) {
        if (!item)
            continue;
        m_items.insert(item->id(), item);
        QStandardItem* row = makeRow(item, sizeHint);
        row->setData(false, LoadedRole);
        if (!m_loadingIcon.isNull())
            row->setData(m_loadingIcon, Qt::DecorationRole);
        row->setData(QBrush(rowBackground), Qt::BackgroundRole);
        batch.append(row);
        if (batch.size() == eventBatch) {
            appendBatch();
            QCoreApplication::processEvents();
            if (!guard)
                return;
        }
    }
    if (!batch.isEmpty())
        appendBatch();

    emit countChanged(visibleCount());
    m_window = LoadWindow();
    loadVisibleThumbs(0);
    if (!guard)
        return;
    if (!m_items.isEmpty() && !selectionModel()->hasSelection())
        selectThumbByRow(0);
}

void IQThumbsViewer::addThumb(std::shared_ptr<IQThumbnailItem> item)
{
    if (!item)
        return;
    QStandardItem* row = makeRow(item, rowSizeHint());
    const QPixmap pixmap = readThumbnail(item);
    if (!pixmap.isNull())
        row->setData(QIcon(pixmap), Qt::DecorationRole);
    else if (!m_loadFailedIcon.isNull())
        row->setData(QIcon(m_loadFailedIcon), Qt::DecorationRole);
    row->setData(item->fileName(), Qt::ToolTipRole);
    row->setData(true, LoadedRole);
    m_items.insert(item->id(), item);
    m_sourceModel->appendRow(row);
}

void IQThumbsViewer::resetThumbs(const QList<std::shared_ptr<IQThumbnailItem>>& items)
{
    loadPrepare();
    m_items.clear();
    addThumbs(items);
}

void IQThumbsViewer::removeSelected(std::function<bool(std::shared_ptr<IQThumbnailItem>, int, bool*)> decide)
{
    const QPointer<IQThumbsViewer> guard(this);
    QModelIndexList selected = selectedSourceIndexes();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    // Persistent, because the callback and the events processed between
    // rows may change the rows.
    QList<QPersistentModelIndex> pending(selected.cbegin(), selected.cend());

    int removed = 0;
    while (!pending.isEmpty()) {
        const QPersistentModelIndex index = pending.takeLast();
        if (!index.isValid())
            continue;
        const QString tag = index.data(TagRole).toString();
        bool stop = false;
        if (decide) {
            const bool remove = decide(m_items.value(tag), removed, &stop);
            if (!guard)
                return;
            if (!remove)
                break;
            if (!index.isValid())
                continue;
        }
        m_items.remove(tag);
        m_sourceModel->removeRow(index.row());
        if (stop)
            break;
        QCoreApplication::processEvents();
        if (!guard)
            return;
        ++removed;
    }

    m_window = LoadWindow();
    loadVisibleThumbs(0);
    if (!guard)
        return;
    emit countChanged(visibleCount());
}

void IQThumbsViewer::setThumbColors()
{
    setStyleSheet(QStringLiteral("QListView { ")
                  + QStringLiteral("background: rgb(%1, %2, %3); ")
                        .arg(gridBackground.red())
                        .arg(gridBackground.green())
                        .arg(gridBackground.blue())
                  + QStringLiteral("background-attachment: fixed; }"));
    // The captions turn white; the scroll bar keeps its own look.
    const QPalette scrollBarPalette = verticalScrollBar()->palette();
    QPalette viewPalette = palette();
    viewPalette.setBrush(QPalette::All, QPalette::Text, QBrush(Qt::white));
    setPalette(viewPalette);
    verticalScrollBar()->setPalette(scrollBarPalette);
}

QList<std::shared_ptr<IQThumbnailItem>> IQThumbsViewer::getAllThumbnails(bool shown)
{
    QList<std::shared_ptr<IQThumbnailItem>> items;
    const int rows = shown ? m_proxyModel->rowCount() : m_sourceModel->rowCount();
    for (int row = 0; row < rows; ++row) {
        if (auto item = getThumbnailByIndex(shown ? viewRowToSource(row) : row))
            items.append(std::move(item));
    }
    return items;
}

QList<std::shared_ptr<IQThumbnailItem>> IQThumbsViewer::getSelectedThumbs()
{
    QList<std::shared_ptr<IQThumbnailItem>> items;
    const QModelIndexList selected = selectedSourceIndexes();
    for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
        if (auto item = getThumbnailByTag(it->data(TagRole).toString()))
            items.append(std::move(item));
    }
    return items;
}

std::shared_ptr<IQThumbnailItem> IQThumbsViewer::getThumbnailByIndex(int row) const
{
    const QStandardItem* item = itemAtRow(row);
    if (!item)
        return nullptr;
    return getThumbnailByTag(item->data(TagRole).toString());
}

std::shared_ptr<IQThumbnailItem> IQThumbsViewer::getThumbnailByTag(const QString& tag) const
{
    return m_items.value(tag);
}

QStandardItem* IQThumbsViewer::itemAtRow(int row) const
{
    return m_sourceModel->item(row);
}

int IQThumbsViewer::visibleCount() const
{
    return m_proxyModel->rowCount();
}

int IQThumbsViewer::sourceCount() const
{
    return m_sourceModel->rowCount();
}

int IQThumbsViewer::selectedCount() const
{
    return int(selectedSourceIndexes().size());
}

QModelIndexList IQThumbsViewer::selectedSourceIndexes() const
{
    return m_proxyModel->mapSelectionToSource(selectionModel()->selection()).indexes();
}

int IQThumbsViewer::getCurrentRow()
{
    return m_currentRow;
}

void IQThumbsViewer::setCurrentRow(int row)
{
    m_currentRow = std::max(row, 0);
}

int IQThumbsViewer::getNextRow()
{
    return m_currentRow >= getLastRow() ? -1 : m_currentRow + 1;
}

int IQThumbsViewer::getPrevRow()
{
    return m_currentRow - 1;
}

int IQThumbsViewer::getLastRow()
{
    return m_sourceModel->rowCount() - 1;
}

int IQThumbsViewer::getRandomRow()
{
    const int rows = m_sourceModel->rowCount();
    if (rows <= 0)
        return -1;
    return int(RandomSource::uniform(std::uint32_t(rows)));
}

bool IQThumbsViewer::setCurrentIndexByRow(int row)
{
    if (row < 0 || row >= m_sourceModel->rowCount())
        return false;
    m_currentIndex = m_sourceModel->index(row, 0);
    m_currentRow = row;
    return true;
}

void IQThumbsViewer::selectCurrentIndex()
{
    if (!m_currentIndex.isValid() || m_sourceModel->rowCount() == 0)
        return;
    const QModelIndex index = m_proxyModel->mapFromSource(m_currentIndex);
    if (!index.isValid())
        return;
    scrollTo(index, QAbstractItemView::EnsureVisible);
    setCurrentIndex(index);
}

void IQThumbsViewer::selectThumbByRow(int row)
{
    setCurrentIndexByRow(row);
    selectCurrentIndex();
}

void IQThumbsViewer::abort()
{
    m_abort = true;
}

void IQThumbsViewer::setNeedToScroll(bool on)
{
    m_needToScroll = on;
}

void IQThumbsViewer::updateThumbsCount()
{
    emit countChanged(visibleCount());
}

double IQThumbsViewer::shrinkSizeToFit(QSize size, QRect rect, double* width, double* height)
{
    return IQMath::shrinkSizeToFit(size, rect, width, height);
}

int IQThumbsViewer::viewRowToSource(int viewRow) const
{
    return m_proxyModel->mapToSource(m_proxyModel->index(viewRow, 0)).row();
}

bool IQThumbsViewer::isShown(int row) const
{
    return m_proxyModel->mapFromSource(m_sourceModel->index(row, 0)).isValid();
}

// A row counts as visible when the point just below its bottom edge lies in
// the viewport. That point falls as the row rises, so both ends are found by
// bisection over the rows the view shows.
int IQThumbsViewer::pointBelowRow(int viewRow) const
{
    const QRect rect = visualRect(m_proxyModel->index(viewRow, 0));
    return rect.y() + rect.height() + 1;
}

int IQThumbsViewer::firstViewRowReaching(int y) const
{
    int low = 0;
    int high = m_proxyModel->rowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (pointBelowRow(middle) >= y)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

int IQThumbsViewer::getFirstVisibleThumb() const
{
    if (viewport()->width() <= 0)
        return -1;
    const int first = firstViewRowReaching(0);
    if (first == m_proxyModel->rowCount() || pointBelowRow(first) >= viewport()->height())
        return -1;
    return viewRowToSource(first);
}

int IQThumbsViewer::getLastVisibleThumb() const
{
    if (viewport()->width() <= 0)
        return -1;
    const int last = firstViewRowReaching(viewport()->height()) - 1;
    if (last < 0 || pointBelowRow(last) < 0)
        return -1;
    return viewRowToSource(last);
}

void IQThumbsViewer::doItemsLayout()
{
    QListView::doItemsLayout();
    m_layoutCheck->start();
}

void IQThumbsViewer::loadVisibleThumbs(int scrollBarValue)
{
    const QPointer<IQThumbsViewer> guard(this);
    m_scrollingDown = m_lastScrollValue <= scrollBarValue;
    m_lastScrollValue = scrollBarValue;
    for (;;) {
        const int first = getFirstVisibleThumb();
        const int last = getLastVisibleThumb();
        if (m_abort || first < 0 || last < 0)
            return;
        const LoadWindow window = loadWindow(first, last, m_sourceModel->rowCount(), m_scrollingDown);
        if (window == m_window)
            return;
        m_window = window;
        loadThumbsRange();
        // Newly loaded rows can move the layout: look again.
        if (!guard || m_abort)
            return;
    }
}

void IQThumbsViewer::loadThumbsRange()
{
    if (s_loadingViewer == this) {
        // Called from the events of the running load (a scroll): stop it
        // after its current row and load the newest window afterwards.
        m_abort = true;
        QTimer::singleShot(0, this, &IQThumbsViewer::loadThumbsRange);
        return;
    }
    if (s_loadingViewer) {
        if (!s_waitingViewers.contains(this))
            s_waitingViewers.append(this);
        return;
    }

    const QPointer<IQThumbsViewer> guard(this);
    s_loadingViewer = this;
    const int rows = m_sourceModel->rowCount();
    const int step = m_scrollingDown ? 1 : -1;
    for (int row = m_scrollingDown ? m_window.first : m_window.last;; row += step) {
        if (row < m_window.first || row > m_window.last || row < 0 || row >= rows || m_abort
            || m_sourceModel->rowCount() != rows)
            break;
        QStandardItem* rowItem = m_sourceModel->item(row);
        // Rows the filter hides wait until they are shown.
        if (!rowItem || rowItem->data(LoadedRole).toBool() || !isShown(row))
            continue;
        const std::shared_ptr<IQThumbnailItem> item = m_items.value(rowItem->data(TagRole).toString());
        setLoadedThumbnail(rowItem, item, readThumbnail(item));
        QCoreApplication::processEvents();
        if (!guard)
            return; // the destructor released the load
    }
    finishLoad();
}

void IQThumbsViewer::finishLoad()
{
    s_loadingViewer = nullptr;
    m_abort = false;
    wakeWaitingViewers();
}

void IQThumbsViewer::wakeWaitingViewers()
{
    const QList<IQThumbsViewer*> waiting = std::exchange(s_waitingViewers, {});
    for (IQThumbsViewer* viewer : waiting)
        QTimer::singleShot(0, viewer, &IQThumbsViewer::loadThumbsRange);
}

void IQThumbsViewer::setLoadedThumbnail(QStandardItem* row, const std::shared_ptr<IQThumbnailItem>& item,
                                        const QPixmap& pixmap)
{
    if (!pixmap.isNull())
        row->setData(QIcon(pixmap), Qt::DecorationRole);
    else if (!m_loadFailedIcon.isNull())
        row->setData(QIcon(m_loadFailedIcon), Qt::DecorationRole);
    else
        row->setData(QVariant(), Qt::DecorationRole);
    row->setData(item ? item->fileName() : QString(), Qt::ToolTipRole);
    row->setData(true, LoadedRole);
}

QPixmap IQThumbsViewer::paintOnCanvas(const QImage& picture) const
{
    const int side = int(m_thumbnailSize * devicePixelRatioF());
    QPixmap canvas(side, side);
    canvas.fill(Qt::transparent);
    // The picture keeps its aspect ratio inside the margins (unscaled by the
    // pixel ratio), is never enlarged, and leaves a band below it.
    const QRect box(iconMargin, 0, side - 2 * iconMargin, side - 2 * iconMargin);
    QSize size = picture.size();
    if (size.width() > box.width() || size.height() > box.height())
        size = size.scaled(box.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const QRect target = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, box);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (size == picture.size())
        painter.drawImage(target, picture);
    else
        painter.drawImage(target, picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return canvas;
}

QPixmap IQThumbsViewer::readThumbnail(const std::shared_ptr<IQThumbnailItem>& item) const
{
    if (!item)
        return QPixmap();
    const int side = int(m_thumbnailSize * devicePixelRatioF());
    const QImage picture = item->thumbnail(QSize(side, side));
    return picture.isNull() ? QPixmap() : paintOnCanvas(picture);
}

QPixmap IQThumbsViewer::readIcon(const QString& path) const
{
    const QImage picture(path);
    return picture.isNull() ? QPixmap() : paintOnCanvas(picture);
}

void IQThumbsViewer::onSelectionChanged(QItemSelection)
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.size() == 1)
        m_currentRow = std::max(0, m_proxyModel->mapToSource(selected.first()).row());
    emit selectionCountChanged(int(selected.size()));
}

void IQThumbsViewer::invertSelection()
{
    const int rows = m_proxyModel->rowCount();
    if (rows == 0)
        return;
    const QItemSelection all(m_proxyModel->index(0, 0), m_proxyModel->index(rows - 1, 0));
    selectionModel()->select(all, QItemSelectionModel::Toggle);
}

void IQThumbsViewer::applyFilter(QString filter)
{
    m_proxyModel->setFilter(filter);
    m_proxyModel->invalidate();
    // Rows the filter hid were passed over by the loads.
    m_window = LoadWindow();
    m_layoutCheck->start();
    emit selectionCountChanged(int(selectionModel()->selectedIndexes().size()));
    emit countChanged(visibleCount());
}

void IQThumbsViewer::mousePressEvent(QMouseEvent* event)
{
    QAbstractItemView::mousePressEvent(event);
}

void IQThumbsViewer::mouseDoubleClickEvent(QMouseEvent* event)
{
    QAbstractItemView::mousePressEvent(event);
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.size() == 1)
        emit doubleClicked(m_proxyModel->mapToSource(selected.first()));
}

void IQThumbsViewer::wheelEvent(QWheelEvent* event)
{
    // A fixed step of one thumbnail, whatever the device reports.
    const int step = event->angleDelta().y() < 0 ? m_thumbnailSize : -m_thumbnailSize;
    verticalScrollBar()->setValue(verticalScrollBar()->value() + step);
    event->accept();
}

void IQThumbsViewer::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        emit contextMenu(index);
    event->accept();
}

void IQThumbsViewer::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    m_layoutCheck->start();
}

void IQThumbsViewer::startDrag(Qt::DropActions)
{
    // Rows are not dragged out of the browser.
}
