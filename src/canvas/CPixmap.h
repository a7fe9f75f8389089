#pragma once

#include "canvas/PictureEffect.h"

#include <QImage>
#include <QPixmap>
#include <QSize>

#include <functional>
#include <memory>

class PictureRenderQueue;
struct PictureRenderResult;
class QObject;

// The picture of a picture content: the pixmap part is what the canvas
// paints, rendered from the unprocessed source image through the nine
// effect records, the alpha mask and the mirroring.
//
// The records change at once (panels, effects() and the XML see new values
// immediately); the pixels follow: every render runs on a render thread at
// full size and lands on the GUI thread from the event loop, where only the
// pixmaps are swapped and the rendered handler is called. While a run is in
// flight, at most one request waits and newer ones replace it; a result
// older than the newest request never shows. waitForRender() lands the
// newest request before returning: call it before any output (saving,
// printing, previews that must match), since until then the pixmap may
// still show an earlier state.
//
// GUI thread only; owned by its content. Not copyable.
class CPixmap : public QPixmap
{
public:
    // The pixmap is made from `image`. An image with an alpha channel gives
    // the mask: white where it is opaque, black where it is transparent.
    explicit CPixmap(const QImage& image);
    // A copy of `pixmap`; `mask` is applied from the next run on.
    CPixmap(const QPixmap& pixmap, const QImage& mask);
    // A run still in flight finishes on its render thread and is dropped.
    ~CPixmap() override;
    CPixmap(const CPixmap&) = delete;
    CPixmap& operator=(const CPixmap&) = delete;

    // The nine records, in this order: saturation, contrast, brightness,
    // sharpness, temperature, tint, flip horizontally, flip vertically,
    // opacity. Shared with the picture: changes made through the list reach
    // the picture at its next render, and the list sees later changes.
    PictureEffectList effects() const { return m_effects; }

    // By code: -1 clears all; 1 and 2 toggle a flip and render; 7 stores
    // the opacity (no render); 15..20 enable the fine-tune value, store it
    // and render; other codes do nothing.
    void applyEffect(const PictureEffect& effect);
    // Copies each listed effect into the record of its code (flips: the
    // flag only; opacity and fine-tune: flag and value; other codes are
    // skipped), then renders once, also for an empty list.
    void applyEffects(const PictureEffectList& effects);
    // Shows the unprocessed source without mask (once a source exists) and
    // disables all nine records, keeping their values. No run.
    void clearEffects();
    // Renders from the source: fine-tune (when one of the six is enabled;
    // values held to their slider ranges), mask, mirror. Nothing happens
    // for a null pixmap.
    void runEffect();
    // Shows the unprocessed source with `mask` as its alpha channel (white
    // opaque) and keeps the mask for later runs. Nothing for a null pixmap.
    void updatePixmapMask(const QImage& mask);
    // Keeps the unprocessed source (baking the processed pixmap into the
    // source would apply every effect twice from the next run on), so the
    // next run gives what it would have given without the call.
    void clearCache();

    void toSaturation(double value);
    void toContrast(double value);
    void toBrightness(double value);
    void toSharpness(double value);
    void toTemperature(double value);
    void toTint(double value);

    // At once, on `image`: 1 mirrors it left-right, 2 top-bottom; -1 clears
    // all effects and gives a null image, as does any other code.
    QImage runEffect(const PictureEffect& effect, const QImage& image);
    // Shows `image` at once; renders still in flight are dropped.
    void updateImageInternal(const QImage& image);

    QImage mask() const { return m_mask; }

    // Returns once the newest request has landed (at once when nothing is
    // queued). Blocks the calling thread for the rest of the run.
    void waitForRender();
    // True while a render is queued or in flight.
    bool renderPending() const;

    // The size the picture is shown at (the content rectangle). Each render
    // also makes a smooth copy at that size; a new size queues one.
    void setShownSize(const QSize& size);
    QSize shownSize() const { return m_shownSize; }
    // The smooth copy; null, or of another size, until it has landed (a
    // painter then scales the pixmap itself).
    QPixmap shownPixmap() const { return m_shown; }

    // Called on the GUI thread after new pixels (or a new smooth copy)
    // landed: the content repaints and announces the change.
    void setRenderedHandler(std::function<void()> handler) { m_rendered = std::move(handler); }

private:
    void initEffects();
    bool prepareSource();
    void request(int kind);
    void requestScale();
    void landWaitingResult();
    void land(PictureRenderResult& result);

    std::unique_ptr<QObject> m_receiver;
    std::unique_ptr<PictureRenderQueue> m_queue;
    QImage m_mask;
    PictureEffectList m_effects;
    bool m_sourceTaken = false;
    quint64 m_landed = 0;
    QSize m_shownSize;
    QPixmap m_shown;
    std::function<void()> m_rendered;
};
