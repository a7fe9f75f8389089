#include "widgets/BAImageViewerWidget.h"

#include <QScrollBar>

BAImageViewerWidget::BAImageViewerWidget(QWidget* parent)
    : ViewerCommandWidget(parent)
    , m_after(std::make_unique<GraphicsImageViewer>())
    , m_before(std::make_unique<GraphicsImageViewer>())
{
    init();
}

BAImageViewerWidget::BAImageViewerWidget(GraphicsImageViewer* before, GraphicsImageViewer* after, QWidget* parent)
    : ViewerCommandWidget(parent)
    , m_after(after)
    , m_before(before)
{
    init();
}

BAImageViewerWidget::~BAImageViewerWidget()
{
    // Each viewer's teardown must not reach the other through the mirroring.
    disconnectPositions();
    m_after.reset();
    m_before.reset();
}

void BAImageViewerWidget::init()
{
    m_layout = new QBoxLayout(QBoxLayout::LeftToRight);
    m_layout->setContentsMargins(1, 1, 1, 1);
    m_layout->setSpacing(1);
    setLayout(m_layout);
    m_layout->addWidget(m_before.get(), 1);
    initView(m_before);
    m_layout->addWidget(m_after.get(), 1);
    initView(m_after);
    connectPositions();
    enableImageViewer(m_ba);
    enableInteraction();
}

void BAImageViewerWidget::initView(std::unique_ptr<GraphicsImageViewer>& viewer)
{
    GraphicsImageViewer* v = viewer.get();
    v->setExpandImage(false);
    connectViewer(v);
    connect(v, &GraphicsImageViewer::scaleChanged, this, &BAImageViewerWidget::onScaleChanged);
    connect(v, &GraphicsImageViewer::scaleRangeChanged, this, &BAImageViewerWidget::onScaleRangeChanged);
    v->hide();
}

void BAImageViewerWidget::connectPositions()
{
    for (GraphicsImageViewer* v : {m_before.get(), m_after.get()})
        m_positionConnections.append(
            connect(v, &GraphicsImageViewer::positionChanged, this, &BAImageViewerWidget::onPositionChanged));
}

void BAImageViewerWidget::disconnectPositions()
{
    for (const auto& c : std::as_const(m_positionConnections))
        disconnect(c);
    m_positionConnections.clear();
}

// --------------------------------------------------------------- mirroring

void BAImageViewerWidget::onScaleChanged(double scale)
{
    if (!isVisible())
        return;
    QObject* from = sender();
    m_after->blockSignals(true);
    m_before->blockSignals(true);
    if (m_syncMove) {
        GraphicsImageViewer* follower = nullptr;
        if (from == m_after.get())
            follower = m_before.get();
        else if (from == m_before.get())
            follower = m_after.get();
        if (follower) {
            follower->zoom(float(scale));
            follower->viewport()->repaint();
        }
    }
    m_after->blockSignals(false);
    m_before->blockSignals(false);
    emit scaleChanged(scale);
}

void BAImageViewerWidget::onPositionChanged(int x, int y)
{
    if (!isVisible())
        return;
    QObject* from = sender();
    // Without its connection the follower's own move does not echo back.
    disconnectPositions();
    if (m_syncMove) {
        if (from == m_after.get())
            m_before->scroll(x, y);
        else if (from == m_before.get())
            m_after->scroll(x, y);
    }
    connectPositions();
}

void BAImageViewerWidget::onScaleRangeChanged(double minimum, double maximum)
{
    if (isVisible() && sender() == m_after.get())
        emit scaleRangeChanged(minimum, maximum);
}

bool BAImageViewerWidget::canSyncMove() const
{
    return m_before->isDisplaying() && m_after->isDisplaying() && m_before->sourceSize() == m_after->sourceSize();
}

void BAImageViewerWidget::updateSyncMoveFromSizes()
{
    m_syncMove = canSyncMove();
}

void BAImageViewerWidget::setSyncMove(bool on)
{
    if (on == m_syncMove)
        return;
    if (on && canSyncMove()) {
        m_syncMove = true;
        m_after->zoom(float(m_before->currentScale()));
        m_after->scroll(m_before->horizontalScrollBar()->value(), m_before->verticalScrollBar()->value());
    } else {
        m_syncMove = false;
    }
}

// ---------------------------------------------------------------- pictures

bool BAImageViewerWidget::resetImages(std::unique_ptr<QPixmap> before, std::unique_ptr<QPixmap> after)
{
    if (!before || !after)
        return false;
    m_syncMove = before->size() == after->size();
    if (m_viewersDisabled != 0)
        enableImageViewer(m_ba);
    m_before->displayImage(std::make_unique<QPixmap>(before->copy()));
    m_after->displayImage(std::move(after));
    return true;
}

void BAImageViewerWidget::updateAfterImage(std::unique_ptr<QPixmap> pixmap, bool reset)
{
    if (!pixmap)
        return;
    if (reset)
        m_after->displayImage(std::move(pixmap));
    else
        m_after->updateDisplayImage(std::move(pixmap));
    updateSyncMoveFromSizes();
}

void BAImageViewerWidget::updateBeforeImage(std::unique_ptr<QPixmap> pixmap, bool reset)
{
    if (!pixmap)
        return;
    if (reset)
        m_before->displayImage(std::move(pixmap));
    else
        m_before->updateDisplayImage(std::move(pixmap));
    updateSyncMoveFromSizes();
}

QImage BAImageViewerWidget::afterImage() const
{
    return m_after->displayedImage();
}

QImage BAImageViewerWidget::beforeImage() const
{
    return m_before->displayedImage();
}

void BAImageViewerWidget::closeImage()
{
    m_after->closeImage();
    m_before->closeImage();
}

// ---------------------------------------------------------------- switches

void BAImageViewerWidget::setBA(bool on)
{
    if (m_viewersDisabled != 0)
        return;
    m_after->show();
    if (on)
        m_before->show();
    else
        m_before->hide();
    if (on && m_syncMove)
        m_before->scroll(m_after->horizontalScrollBar()->value(), m_after->verticalScrollBar()->value());
    m_ba = on;
}

void BAImageViewerWidget::enableImageViewer(bool showBefore)
{
    if (m_viewersDisabled == 0)
        return;
    m_after->show();
    if (showBefore)
        m_before->show();
    m_viewersDisabled = 0;
}

void BAImageViewerWidget::disableImageViewer()
{
    if (m_viewersDisabled != 0)
        return;
    m_viewersDisabled = 1;
    m_after->closeImage();
    m_after->hide();
    m_before->closeImage();
    m_before->hide();
}

void BAImageViewerWidget::enableInteraction()
{
    if (m_interaction)
        return;
    for (GraphicsImageViewer* v : {m_after.get(), m_before.get()}) {
        m_interactionConnections += wireCommands(v);
        m_interactionConnections +=
            connect(this, &BAImageViewerWidget::zoom, v, [v](double scale) { v->zoom(float(scale)); });
        v->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        v->enableInteraction();
    }
    m_interaction = true;
}

void BAImageViewerWidget::disableInteraction()
{
    if (!m_interaction)
        return;
    for (const auto& c : std::as_const(m_interactionConnections))
        disconnect(c);
    m_interactionConnections.clear();
    for (GraphicsImageViewer* v : {m_after.get(), m_before.get()}) {
        v->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        v->disableInteraction();
    }
    m_interaction = false;
}

// ------------------------------------------------------------ view values

void BAImageViewerWidget::setLayoutMargin(int left, int top, int right, int bottom)
{
    m_layout->setContentsMargins(left, top, right, bottom);
}

void BAImageViewerWidget::setDisplayDirection(QBoxLayout::Direction direction)
{
    m_layout->setDirection(direction);
}

void BAImageViewerWidget::setZoomStep(double step)
{
    m_after->setZoomStep(step);
    m_before->setZoomStep(step);
}

void BAImageViewerWidget::slotZoom(double scale)
{
    emit zoom(scale);
}

void BAImageViewerWidget::onFullscreenModeChanged(bool mode)
{
    m_after->onFullscreenModeChanged(mode);
    m_before->onFullscreenModeChanged(mode);
    m_fullscreen = mode;
}

ImageFitMode BAImageViewerWidget::fitMode() const
{
    return m_after->fitMode();
}

ScalingFilter BAImageViewerWidget::scalingFilter() const
{
    return m_after->scalingFilter();
}

bool BAImageViewerWidget::lockZoomEnabled() const
{
    return m_after->lockZoomEnabled();
}

bool BAImageViewerWidget::lockViewEnabled() const
{
    return m_after->lockViewEnabled();
}

double BAImageViewerWidget::maxScale() const
{
    return m_after->maximalScale();
}

double BAImageViewerWidget::minScale() const
{
    return m_after->minimumScale();
}

QRect BAImageViewerWidget::imageRect() const
{
    if (!m_after || m_viewersDisabled != 0)
        return QRect();
    return m_after->scaledRect();
}

float BAImageViewerWidget::currentScale() const
{
    return m_viewersDisabled != 0 ? 1.0f : float(m_after->currentScale());
}

QSize BAImageViewerWidget::sourceSize() const
{
    return m_viewersDisabled != 0 ? QSize(0, 0) : m_after->sourceSize();
}
