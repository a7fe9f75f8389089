#pragma once

#include <QPair>
#include <QSizeF>

class QDomElement;

// What kind of project a canvas belongs to, its fixed size (if any) and the
// resolution it is meant to be output at. Owned by its canvas.
class CanvasModeInfo
{
public:
    // Held as a plain int: any number read from a file is kept as it is.
    enum Mode : int {
        ModeNormal = 0, // free-size collage
        ModeExactSize = 1,
    };

    CanvasModeInfo();

    // Stored as given; the canvas is fixed-size only when both sides are > 0.
    void setFixedSize(const QSizeF& size) { m_fixedSize = size; }
    bool isFixedSize() const { return m_fixedSize.width() > 0 && m_fixedSize.height() > 0; }
    QSizeF fixedSize() const { return m_fixedSize; }

    void setCanvasDpi(float dpiX, float dpiY);
    // (dpiX, dpiY).
    QPair<double, double> canvasDpi() const { return {m_dpiX, m_dpiY}; }

    void setProjectMode(Mode mode) { m_projectMode = mode; }
    Mode projectMode() const { return m_projectMode; }

    // Appends "id" and, for a fixed size, "size" with "w", "h", "dpiX", "dpiY".
    void toXml(QDomElement& mode) const;
    // Reads what toXml() writes. A "size" that is not finite or whose ARGB
    // image would pass the image allocation cap is refused with a warning,
    // as are non-finite resolutions; the old values then stay.
    void fromXml(QDomElement& mode);

private:
    QSizeF m_fixedSize {-1, -1};
    double m_dpiX = 72.0;
    double m_dpiY = 72.0;
    Mode m_projectMode = ModeNormal;
};
