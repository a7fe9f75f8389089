#include "canvas/CPixmap.h"

#include "canvas/PictureRenderPool.h"
#include "canvas/PictureRenderQueue.h"

#include <QMetaObject>
#include <QObject>
#include <QtDebug>

namespace {

// Record indexes; the list never changes order.
enum Index { SaturationIndex = 0, FlipHIndex = 6, FlipVIndex = 7, OpacityIndex = 8, EffectCount = 9 };

const int EffectCodes[EffectCount] = {
    PictureEffect::Saturation,
    PictureEffect::Contrast,
    PictureEffect::Brightness,
    PictureEffect::Sharpness,
    PictureEffect::Temperature,
    PictureEffect::Tint,
    PictureEffect::FlipHorizontally,
    PictureEffect::FlipVertically,
    PictureEffect::Opacity,
};

int indexOfCode(int code)
{
    for (int i = 0; i < EffectCount; ++i)
        if (EffectCodes[i] == code)
            return i;
    return -1;
}

// Old pixels of at least this size are released on a render thread.
const qsizetype LargeRelease = 8 << 20;

struct PixmapFormats
{
    QImage::Format opaque;
    QImage::Format alpha;
};

// The formats this screen's pixmaps keep (asked of Qt once, on the GUI
// thread), so that the render thread converts and the GUI thread only
// swaps.
PixmapFormats pixmapFormats()
{
    static const PixmapFormats formats = [] {
        QImage opaque(1, 1, QImage::Format_BGR888);
        opaque.fill(Qt::black);
        QImage alpha(1, 1, QImage::Format_ARGB32);
        alpha.fill(Qt::transparent);
        return PixmapFormats{QPixmap::fromImage(opaque).toImage().format(), QPixmap::fromImage(alpha).toImage().format()};
    }();
    return formats;
}

} // namespace

CPixmap::CPixmap(const QImage& image)
    : QPixmap(QPixmap::fromImage(image))
{
    initEffects();
    if (!isNull() && image.hasAlphaChannel()) {
        m_mask = image.createAlphaMask();
        m_mask.invertPixels();
    }
}

CPixmap::CPixmap(const QPixmap& pixmap, const QImage& mask)
    : QPixmap(pixmap)
    , m_mask(mask)
{
    initEffects();
}

CPixmap::~CPixmap()
{
    // The queue first, so that no render thread posts to the receiver any
    // more; deleting the receiver then drops what was posted already.
    m_queue.reset();
    m_receiver.reset();
}

void CPixmap::initEffects()
{
    m_effects.reserve(EffectCount);
    for (int i = 0; i < EffectCount; ++i) {
        const int code = EffectCodes[i];
        const double value = code == PictureEffect::Opacity ? 1.0 : PictureEffect::neutralValue(code);
        m_effects.append(QSharedPointer<PictureEffect>::create(code, value, false));
    }
    m_receiver = std::make_unique<QObject>();
    QObject* receiver = m_receiver.get();
    m_queue = std::make_unique<PictureRenderQueue>([this, receiver] {
        QMetaObject::invokeMethod(receiver, [this] { landWaitingResult(); }, Qt::QueuedConnection);
    });
}

void CPixmap::applyEffect(const PictureEffect& effect)
{
    switch (effect.effect) {
    case PictureEffect::ClearAll:
        clearEffects();
        return;
    case PictureEffect::FlipHorizontally:
    case PictureEffect::FlipVertically: {
        PictureEffect& own = *m_effects[indexOfCode(effect.effect)];
        own.enable = !own.enable;
        runEffect();
        return;
    }
    case PictureEffect::Opacity:
        m_effects[OpacityIndex]->enable = true;
        m_effects[OpacityIndex]->param = effect.param;
        return;
    default:
        if (!PictureEffect::isFineTune(effect.effect))
            return;
        PictureEffect& own = *m_effects[effect.effect - PictureEffect::Saturation];
        own.enable = true;
        own.param = effect.param;
        runEffect();
        return;
    }
}

void CPixmap::applyEffects(const PictureEffectList& effects)
{
    for (const QSharedPointer<PictureEffect>& effect : effects) {
        if (!effect)
            continue;
        const int index = indexOfCode(effect->effect);
        if (index < 0)
            continue;
        PictureEffect& own = *m_effects[index];
        own.enable = effect->enable;
        if (index != FlipHIndex && index != FlipVIndex)
            own.param = effect->param;
    }
    runEffect();
}

void CPixmap::clearEffects()
{
    if (m_sourceTaken)
        request(PictureRenderJob::Clear);
    for (const QSharedPointer<PictureEffect>& effect : m_effects)
        effect->enable = false;
}

void CPixmap::runEffect()
{
    request(PictureRenderJob::Run);
}

void CPixmap::updatePixmapMask(const QImage& mask)
{
    if (!prepareSource())
        return;
    m_mask = mask;
    request(PictureRenderJob::Mask);
}

void CPixmap::clearCache()
{
    // Deliberately keeps the source: see the header.
}

void CPixmap::toSaturation(double value)
{
    applyEffect(PictureEffect(PictureEffect::Saturation, value, true));
}

void CPixmap::toContrast(double value)
{
    applyEffect(PictureEffect(PictureEffect::Contrast, value, true));
}

void CPixmap::toBrightness(double value)
{
    applyEffect(PictureEffect(PictureEffect::Brightness, value, true));
}

void CPixmap::toSharpness(double value)
{
    applyEffect(PictureEffect(PictureEffect::Sharpness, value, true));
}

void CPixmap::toTemperature(double value)
{
    applyEffect(PictureEffect(PictureEffect::Temperature, value, true));
}

void CPixmap::toTint(double value)
{
    applyEffect(PictureEffect(PictureEffect::Tint, value, true));
}

QImage CPixmap::runEffect(const PictureEffect& effect, const QImage& image)
{
    switch (effect.effect) {
    case PictureEffect::FlipHorizontally:
        return image.mirrored(true, false);
    case PictureEffect::FlipVertically:
        return image.mirrored(false, true);
    case PictureEffect::ClearAll:
        clearEffects();
        return QImage();
    default:
        return QImage();
    }
}

void CPixmap::updateImageInternal(const QImage& image)
{
    m_landed = m_queue->supersede();
    static_cast<QPixmap&>(*this) = QPixmap::fromImage(image);
    m_shown = QPixmap();
    requestScale();
}

void CPixmap::waitForRender()
{
    if (std::optional<PictureRenderResult> result = m_queue->waitForResult())
        land(*result);
}

bool CPixmap::renderPending() const
{
    return m_queue->busy() || m_landed != m_queue->newestRequest();
}

void CPixmap::setShownSize(const QSize& size)
{
    if (size == m_shownSize)
        return;
    m_shownSize = size;
    if (size.isEmpty())
        m_shown = QPixmap();
    else if (m_shown.size() != size)
        requestScale();
}

// Step 1 of a run: the source is taken from the pixmap as it is before the
// first render; the render thread converts it.
bool CPixmap::prepareSource()
{
    if (m_sourceTaken)
        return true;
    if (isNull())
        return false;
    m_queue->setOrigin(toImage());
    m_sourceTaken = true;
    return true;
}

void CPixmap::request(int kind)
{
    if (!prepareSource())
        return;
    PictureRenderJob job;
    job.kind = PictureRenderJob::Kind(kind);
    if (job.kind == PictureRenderJob::Run) {
        for (int i = 0; i < 6; ++i)
            job.fineTune = job.fineTune || m_effects[SaturationIndex + i]->enable;
        // All six values are taken, also those not enabled.
        auto value = [this](int index) { return PictureEffect::fineTuneValue(EffectCodes[index], m_effects[index]->param); };
        job.param.saturation = value(0);
        job.param.contrast = value(1);
        job.param.brightness = value(2);
        job.param.sharpness = value(3);
        job.param.temperature = value(4);
        job.param.tint = value(5);
        job.flipHorizontally = m_effects[FlipHIndex]->enable;
        job.flipVertically = m_effects[FlipVIndex]->enable;
    }
    if (job.kind != PictureRenderJob::Clear)
        job.mask = m_mask;
    job.shownSize = m_shownSize;
    const PixmapFormats formats = pixmapFormats();
    job.opaqueFormat = formats.opaque;
    job.alphaFormat = formats.alpha;
    m_queue->request(std::move(job));
}

void CPixmap::requestScale()
{
    if (isNull() || m_shownSize.isEmpty())
        return;
    PictureRenderJob job;
    job.kind = PictureRenderJob::Scale;
    job.image = toImage();
    job.shownSize = m_shownSize;
    const PixmapFormats formats = pixmapFormats();
    job.opaqueFormat = formats.opaque;
    job.alphaFormat = formats.alpha;
    m_queue->requestScale(std::move(job));
}

void CPixmap::landWaitingResult()
{
    if (std::optional<PictureRenderResult> result = m_queue->takeResult())
        land(*result);
}

void CPixmap::land(PictureRenderResult& result)
{
    // A request made after the result was ready outdates it.
    if (result.serial != m_queue->newestRequest())
        return;
    if (!result.ok) {
        m_landed = result.serial;
        qWarning("CPixmap::runEffect: %s; the picture keeps its last pixmap", qPrintable(result.failure));
        return;
    }
    if (result.kind != PictureRenderJob::Scale) {
        // Unmapping a large picture's pages takes milliseconds: the old
        // pixels go on a render thread (the pixmap shares them with its
        // image, so this is no copy).
        QImage old = toImage();
        // In the pixmap's own format already: taken over without a copy.
        static_cast<QPixmap&>(*this) = QPixmap::fromImage(std::move(result.image), Qt::NoOpaqueDetection);
        if (old.sizeInBytes() >= LargeRelease)
            PictureRenderPool::instance().submit([old = std::move(old)]() mutable { old = QImage(); });
        m_landed = result.serial;
        m_shown = QPixmap();
    }
    if (!result.scaled.isNull())
        m_shown = QPixmap::fromImage(std::move(result.scaled), Qt::NoOpaqueDetection);
    if (!m_shownSize.isEmpty() && m_shown.size() != m_shownSize)
        requestScale();
    if (m_rendered)
        m_rendered();
}
