#pragma once

// Pictures, fake animations and input events shared by the image viewer tests.

#include "widgets/GraphicsImageViewer.h"
#include "widgets/QMovieProxy.h"

#include <QApplication>
#include <QColor>
#include <QTest>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QScrollBar>
#include <QWheelEvent>

#include <memory>

namespace ViewerTest {

// A picture whose every spot differs: red grows along x, green along y.
inline std::unique_ptr<QPixmap> picture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(x * 255 / std::max(1, w - 1), y * 255 / std::max(1, h - 1), 128);
    }
    return std::make_unique<QPixmap>(QPixmap::fromImage(image));
}

inline std::unique_ptr<QPixmap> solid(int w, int h, QColor colour)
{
    auto p = std::make_unique<QPixmap>(w, h);
    p->fill(colour);
    return p;
}

// A shown window holding one viewer of the given size.
struct HostedViewer
{
    QWidget window;
    GraphicsImageViewer* viewer;

    explicit HostedViewer(int w = 400, int h = 300)
        : viewer(new GraphicsImageViewer(&window))
    {
        window.resize(w, h);
        viewer->setGeometry(0, 0, w, h);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

// Keeps a grab for a person to look at when VELLUMAR_GRAB_DIR names a folder.
inline void keepGrab(const QImage& shot, const QString& name)
{
    if (qEnvironmentVariableIsSet("VELLUMAR_GRAB_DIR"))
        shot.save(qEnvironmentVariable("VELLUMAR_GRAB_DIR") + QLatin1Char('/') + name);
}

inline QPoint scroll(const QAbstractScrollArea* view)
{
    return QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
}

// Picture coordinates (natural pixels) of viewport point `p`, from the
// picture's rectangle on screen and the scale.
inline QPointF pictureAt(const GraphicsImageViewer& v, QPointF p)
{
    const QRect r = v.scaledRect();
    return QPointF((p.x() - r.left()) / v.currentScale(), (p.y() - r.top()) / v.currentScale());
}

// Viewport position of picture point `u`.
inline QPointF viewportAt(const GraphicsImageViewer& v, QPointF u)
{
    const QRect r = v.scaledRect();
    return QPointF(r.left() + u.x() * v.currentScale(), r.top() + u.y() * v.currentScale());
}

// A press, move (with `button` held) or release sent straight to the viewport.
inline bool mouse(GraphicsImageViewer& v, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* target = v.viewport();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

inline const QPointingDevice* touchPad()
{
    static const QPointingDevice device(QStringLiteral("test touch-pad"), 4242, QInputDevice::DeviceType::TouchPad,
                                        QPointingDevice::PointerType::Finger, QInputDevice::Capability::Scroll, 2, 0);
    return &device;
}

struct Wheel
{
    QPoint angle;
    QPoint pixels;
    Qt::ScrollPhase phase = Qt::NoScrollPhase;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    const QPointingDevice* device = QPointingDevice::primaryPointingDevice();
};

// Sends a wheel event at viewport point `pos`; returns whether it was accepted.
inline bool wheel(GraphicsImageViewer& v, QPoint pos, const Wheel& w)
{
    QWidget* target = v.viewport();
    QWheelEvent event(QPointF(pos), QPointF(target->mapToGlobal(pos)), w.pixels, w.angle, Qt::NoButton, w.modifiers,
                      w.phase, false, Qt::MouseEventNotSynthesized, w.device);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

// An animation whose frames are made on the spot: frame i is filled with
// colours[i] and has size sizes[i] (or the first size). Counts the calls the
// viewer makes, and can fail to decode one frame.
class FakeMovie : public QMovieProxy
{
public:
    QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
    QList<QSize> sizes{QSize(40, 30)};
    QList<int> delays{20, 20, 20};
    bool valid = true;
    int failAt = -1; // frame that cannot be decoded
    int current = -1;
    int jumpsToZero = 0;
    int steps = 0;

    QImage currentImage() const override { return currentPixmap().toImage(); }
    int loopCount() const override { return -1; }
    QPixmap currentPixmap() const override
    {
        if (current < 0)
            return QPixmap();
        QPixmap p(sizes.value(current, sizes.first()));
        p.fill(colours.value(current));
        return p;
    }
    bool jumpToFrame(int frame) override
    {
        if (frame < 0 || frame >= frameCount())
            return false;
        if (frame == 0)
            ++jumpsToZero;
        current = frame;
        return true;
    }
    int currentFrameNumber() const override { return current; }
    int nextFrameDelay() const override { return delays.value(std::max(current, 0)); }
    QByteArray format() const override { return "fake"; }
    int frameCount() const override { return int(colours.size()); }
    bool isValid() const override { return valid; }
    bool jumpToNextFrame() override
    {
        if (current + 1 == failAt || current + 1 >= frameCount())
            return false;
        ++current;
        ++steps;
        return true;
    }
    QString lastErrorString() const override { return QStringLiteral("frame %1 is damaged").arg(failAt); }
};

// The colour at the centre of what the viewer shows now.
inline QColor shownColour(const GraphicsImageViewer& v)
{
    const QImage image = v.displayedImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace ViewerTest
