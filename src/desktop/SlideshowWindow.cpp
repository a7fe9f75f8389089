#include "desktop/SlideshowWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

QPointer<SlideshowWindow>& SlideshowWindow::running()
{
    static QPointer<SlideshowWindow> window;
    return window;
}

SlideshowWindow* SlideshowWindow::start(const QStringList& paths, SlideshowLoader loader)
{
    if (SlideshowWindow* old = running())
        old->close();
    running() = nullptr;
    if (paths.isEmpty())
        return nullptr;
    auto* window = new SlideshowWindow(paths, std::move(loader));
    window->setAttribute(Qt::WA_DeleteOnClose);
    running() = window;
    // Covers the screen even where no window manager honours the full-screen
    // request (a bare X server): the window starts at the screen's size.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (QWidget* active = QApplication::activeWindow())
        screen = active->screen();
    if (screen)
        window->setGeometry(screen->geometry());
    window->showFullScreen();
    window->activateWindow();
    window->raise();
    return window;
}

SlideshowWindow* SlideshowWindow::current()
{
    return running();
}

SlideshowWindow::SlideshowWindow(const QStringList& paths, SlideshowLoader loader, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_paths(paths)
    , m_loader(std::move(loader))
{
    setObjectName(QStringLiteral("SlideshowWindow"));
    setWindowTitle(tr("Slideshow"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    QFont captionFont = font();
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.4);
    setFont(captionFont);
    m_timer.setObjectName(QStringLiteral("slideshowTimer"));
    m_timer.setInterval(autoPlayDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &SlideshowWindow::showNext);
    showIndex(0);
    m_timer.start();
}

QImage SlideshowWindow::slideshowItemAtIndex(int index) const
{
    if (!m_loader || index < 0 || index >= m_paths.size())
        return QImage();
    return m_loader(m_paths.at(index));
}

QString SlideshowWindow::nameOfSlideshowItemAtIndex(int index) const
{
    if (index < 0 || index >= m_paths.size())
        return QString();
    return QFileInfo(m_paths.at(index)).fileName();
}

void SlideshowWindow::setPaused(bool paused)
{
    if (paused)
        m_timer.stop();
    else
        m_timer.start();
}

void SlideshowWindow::showNext()
{
    if (m_paths.isEmpty())
        return;
    showIndex((m_index + 1) % int(m_paths.size()));
}

void SlideshowWindow::showPrevious()
{
    if (m_paths.isEmpty())
        return;
    const int count = int(m_paths.size());
    showIndex((m_index + count - 1) % count);
}

void SlideshowWindow::showIndex(int index)
{
    m_index = index;
    m_image = slideshowItemAtIndex(index);
    update();
}

void SlideshowWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);

    const QFontMetrics metrics(font());
    const int captionHeight = metrics.height() * 3;
    const QRect pictureArea = rect().adjusted(0, 0, 0, -captionHeight);
    if (!m_image.isNull() && !pictureArea.isEmpty()) {
        QSize size = m_image.size();
        size.scale(pictureArea.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), size);
        target.moveCenter(pictureArea.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
    }

    const QRect caption(0, height() - captionHeight, width(), captionHeight);
    painter.setPen(QColor(230, 230, 230));
    painter.drawText(caption, Qt::AlignCenter,
                     metrics.elidedText(nameOfSlideshowItemAtIndex(m_index), Qt::ElideMiddle, width() - 20));
}

void SlideshowWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Space:
        setPaused(!isPaused());
        return;
    case Qt::Key_Right:
        showNext();
        if (!isPaused())
            m_timer.start();
        return;
    case Qt::Key_Left:
        showPrevious();
        if (!isPaused())
            m_timer.start();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
