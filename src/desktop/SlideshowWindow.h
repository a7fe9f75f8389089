#pragma once

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Gives the picture for a path; a null image shows no picture for it.
using SlideshowLoader = std::function<QImage(const QString& path)>;

// A full-screen slideshow of a list of pictures: black ground, the picture
// fitted to the screen, its file name below. It starts with the first
// picture and plays at once, one picture every autoPlayDelayMs, wrapping
// from the last to the first. Keys: Escape closes, Space pauses and plays
// on, Left and Right step (the step restarts the picture's time).
//
// One slideshow runs per process: start() closes the one running and opens
// the next. The window deletes itself when it closes. The loader runs on the
// GUI thread each time a picture comes on screen; only the picture shown is
// kept.
class SlideshowWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int autoPlayDelayMs = 1500;

    // Closes the running slideshow, if any, and shows a new one full screen.
    // Without paths nothing new opens and the result is null; without a
    // loader the names are shown without pictures.
    static SlideshowWindow* start(const QStringList& paths, SlideshowLoader loader);
    // The running slideshow; null when none runs.
    static SlideshowWindow* current();

    SlideshowWindow(const QStringList& paths, SlideshowLoader loader, QWidget* parent = nullptr);

    int numberOfSlideshowItems() const { return int(m_paths.size()); }
    // The loader's picture for the path at `index`; null without a loader or
    // for an index outside the list.
    QImage slideshowItemAtIndex(int index) const;
    // The file name of the path at `index`, without its folder.
    QString nameOfSlideshowItemAtIndex(int index) const;

    int currentIndex() const { return m_index; }
    // The picture on screen (null when none).
    QImage currentImage() const { return m_image; }
    bool isPaused() const { return !m_timer.isActive(); }
    void setPaused(bool paused);
    // The timer that moves the show on; its timeout shows the next picture.
    QTimer* autoPlayTimer() { return &m_timer; }

public slots:
    void showNext();
    void showPrevious();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showIndex(int index);

    static QPointer<SlideshowWindow>& running();

    QStringList m_paths;
    SlideshowLoader m_loader;
    int m_index = 0;
    QImage m_image;
    QTimer m_timer;
};
