#pragma once

#include "files/IQThumbnailItem.h"

#include <QItemSelection>
#include <QListView>
#include <QMap>
#include <QPixmap>

#include <functional>
#include <memory>

class QStandardItem;
class QStandardItemModel;
class QTimer;
class SortFilterModel;

// The grid of picture thumbnails in which the montage and panorama modes
// collect their photos. It shows shared IQThumbnailItems as captioned icons
// and makes the thumbnails lazily, on the GUI thread, for a window of rows
// around the visible ones, processing events between rows so that the
// window stays responsive.
//
// Row numbers are rows of the source model unless a comment says otherwise;
// the view shows them through a SortFilterModel (caption filter).
//
// The browser may be deleted from inside the events its loops process (the
// user leaves the mode while thumbnails load): every loop then returns at
// once, and a load left behind never blocks the loads of later browsers.
// addThumbs, resetThumbs and removeSelected process events, so their callers
// must not touch the browser afterwards without checking that it still
// exists (a QPointer).
class IQThumbsViewer : public QListView
{
    Q_OBJECT

public:
    // Data of each row, besides the display, decoration, tool-tip,
    // alignment, background and size-hint roles.
    enum Role {
        TagRole = Qt::UserRole + 1,    // the item's id()
        TextRole = Qt::UserRole + 2,   // the item's text(); the sort role
        SuffixRole = Qt::UserRole + 3, // suffix()
        BirthTimeRole = Qt::UserRole + 4,
        DateTimeRole = Qt::UserRole + 5,
        LoadedRole = Qt::UserRole + 6, // true once the thumbnail or the failure icon is set
    };

    static constexpr int thumbnailSize = 120; // pixels, square; also the wheel step
    static constexpr int iconMargin = 10;     // left and right of the painted picture
    static constexpr int lookAheadFactor = 2; // window below the visible rows, in visible spans
    static constexpr int upwardMargin = 10;   // rows below the visible ones when scrolling up
    static constexpr int eventBatch = 100;    // rows added between two event-processing turns

    // The rows to load, first and last inclusive.
    struct LoadWindow
    {
        int first = -1;
        int last = -1;
        bool operator==(const LoadWindow& other) const { return first == other.first && last == other.last; }
    };
    // The window for the visible rows first..last of rowCount rows: scrolling
    // down it runs (1 + lookAheadFactor) visible spans past the last visible
    // row; scrolling up as far above the first, and upwardMargin rows below
    // the last. Clamped to the rows there are.
    static LoadWindow loadWindow(int first, int last, int rowCount, bool scrollingDown);

    explicit IQThumbsViewer(QWidget* parent = nullptr);
    ~IQThumbsViewer() override;

    // Icons shown while a row waits for its thumbnail and when its picture
    // cannot be read, drawn from image files like thumbnails.
    void setLoadingIcon(QString path);
    void setLoadFailedIcon(QString path);

    // Appends rows, processing events after every eventBatch rows, emits
    // countChanged once, loads the thumbnails of the visible window and
    // selects row 0 when nothing is selected.
    void addThumbs(const QList<std::shared_ptr<IQThumbnailItem>>& items);
    // Appends one row with its thumbnail made at once; emits nothing.
    void addThumb(std::shared_ptr<IQThumbnailItem> item);
    // Empties the browser, then adds `items`.
    void resetThumbs(const QList<std::shared_ptr<IQThumbnailItem>>& items);
    // Removes the selected rows, highest first. `decide` (may be empty: then
    // every selected row goes) gets the row's item, the number removed so
    // far and a stop flag; returning false keeps this and every later row,
    // returning true with the flag set removes this row and ends. Emits
    // countChanged once at the end.
    void removeSelected(std::function<bool(std::shared_ptr<IQThumbnailItem>, int, bool*)> decide);
    // The dark grid: background #222222 and white captions.
    void setThumbColors();

    // With `shown` false the items of all rows in row order; with true those
    // of the rows the filter shows, in view order.
    QList<std::shared_ptr<IQThumbnailItem>> getAllThumbnails(bool shown);
    QList<std::shared_ptr<IQThumbnailItem>> getSelectedThumbs();
    // Empty pointers when there is no such row or item.
    std::shared_ptr<IQThumbnailItem> getThumbnailByIndex(int row) const;
    std::shared_ptr<IQThumbnailItem> getThumbnailByTag(const QString& tag) const;
    QStandardItem* itemAtRow(int row) const;
    int visibleCount() const; // rows the filter shows
    int sourceCount() const;  // all rows
    int selectedCount() const;

    // The current row; none of these changes the selection.
    int getCurrentRow();
    void setCurrentRow(int row); // stores max(row, 0)
    int getNextRow();            // -1 after the last row
    int getPrevRow();            // -1 before row 0
    int getLastRow();
    // A random row; -1 when there are no rows.
    int getRandomRow();
    // False, changing nothing, when the row does not exist.
    bool setCurrentIndexByRow(int row);
    // Scrolls to the current row and makes it the view's current (selected)
    // row.
    void selectCurrentIndex();
    void selectThumbByRow(int row);

    // Stops a running load of this browser after its current row.
    void abort();
    // When on, emptying the browser scrolls it to the top.
    void setNeedToScroll(bool on);
    // Emits countChanged with the rows the filter shows.
    void updateThumbsCount();
    // Scales `size` down to fit `rect` (never up). Writes the fitted size to
    // the non-null outputs; returns 1.0 when it fits as it is, otherwise the
    // scale less 0.001.
    static double shrinkSizeToFit(QSize size, QRect rect, double* width, double* height);

    // The first and last row whose bottom edge lies inside the viewport; -1
    // when there is none.
    int getFirstVisibleThumb() const;
    int getLastVisibleThumb() const;

    // A new layout can bring rows into view without a scroll (a wider
    // view, a filter): their thumbnails are looked at once the events settle.
    void doItemsLayout() override;

signals:
    void selectionCountChanged(int selection);
    void countChanged(int count);
    void contextMenu(QModelIndex index);

public slots:
    void loadVisibleThumbs(int scrollBarValue = 0);
    void onSelectionChanged(QItemSelection selection);
    void invertSelection();
    void applyFilter(QString filter);

private slots:
    void loadThumbsRange();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    // A taller view shows more rows without a new layout.
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadPrepare();
    QStandardItem* makeRow(const std::shared_ptr<IQThumbnailItem>& item, QSize sizeHint) const;
    QSize rowSizeHint() const;
    QPixmap readThumbnail(const std::shared_ptr<IQThumbnailItem>& item) const;
    QPixmap readIcon(const QString& path) const;
    QPixmap paintOnCanvas(const QImage& picture) const;
    void setLoadedThumbnail(QStandardItem* row, const std::shared_ptr<IQThumbnailItem>& item, const QPixmap& pixmap);
    bool isShown(int row) const;
    int viewRowToSource(int viewRow) const;
    int pointBelowRow(int viewRow) const;
    // The first view row whose point below lies at `y` or lower; the row
    // count when there is none.
    int firstViewRowReaching(int y) const;
    QModelIndexList selectedSourceIndexes() const;
    void finishLoad();
    static void wakeWaitingViewers();

    QStandardItemModel* m_sourceModel = nullptr;
    SortFilterModel* m_proxyModel = nullptr;
    int m_thumbnailSize = thumbnailSize;
    QMap<QString, std::shared_ptr<IQThumbnailItem>> m_items;
    QPersistentModelIndex m_currentIndex;
    bool m_abort = false;
    bool m_needToScroll = false;
    int m_currentRow = 0;
    bool m_scrollingDown = true;
    LoadWindow m_window;
    QPixmap m_loadingIcon;
    QPixmap m_loadFailedIcon;
    int m_lastScrollValue = 0;
    // Coalesces the visible-rows check after the layout changed (resize,
    // filter), which moves rows into view without a scroll.
    QTimer* m_layoutCheck = nullptr;
};
