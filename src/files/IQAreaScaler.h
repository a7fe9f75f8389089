#pragma once

#include <QImage>
#include <QSize>

#include <vector>

// Reduces a picture that arrives one row at a time, top to bottom, to a
// smaller size: each target pixel is the average of the source area it
// covers, every source pixel weighed by the part of it that falls inside.
// Only one row of sums is held besides the result, so a decoder that hands
// over rows never needs the whole picture in memory.
//
// Rows come in as 8-bit grey samples (Grey) or as 32-bit pixels in the
// byte order of QImage::Format_ARGB32_Premultiplied (Opaque may pass RGB32
// rows; their alpha is not read). The sums are exact integers: the result
// does not depend on how a decoder splits its work.
class IQAreaScaler
{
public:
    enum class Rows {
        Grey,   // one byte a pixel; the result is RGB32
        Opaque, // the result is RGB32
        Alpha,  // premultiplied; the result is Format_ARGB32_Premultiplied
    };

    // The widest source row taken.
    static constexpr int maxSourceWidth = 16 * 1024 * 1024;

    // `target` must not exceed `source` on either side and be at least 1 x 1.
    IQAreaScaler(QSize source, QSize target, Rows rows);

    // False when the sizes are unusable or the result could not be allocated.
    bool isValid() const { return !m_result.isNull(); }

    // Take the next source row (source width pixels) of the kind given.
    void addRow(const QRgb* pixels);
    void addGreyRow(const uchar* samples);

    // The reduced picture once every source row was taken; null before.
    QImage result() const;

private:
    // A source row's pixels in one target row: the first target row it
    // falls in, how much of it lies there, the rest in the next.
    struct Tap
    {
        int first;
        quint32 firstWeight;
        quint32 nextWeight;
    };
    // The source pixels of one target column: first to last, inclusive,
    // and the weights of those two (every pixel between weighs a whole
    // target pixel's length).
    struct Span
    {
        int first;
        int last;
        quint32 firstWeight;
        quint32 lastWeight;
    };
    static std::vector<Tap> taps(int source, int target);
    static std::vector<Span> spans(int source, int target);
    template <int Channels, typename Pixel>
    void sumRow(const Pixel* pixels);
    void addSummedRow();
    void emitRow(int targetRow);

    QSize m_source;
    QSize m_target;
    int m_channels = 4;
    std::vector<Span> m_spans;
    std::vector<Tap> m_rows;
    std::vector<quint32> m_line; // one source row, summed into target columns
    std::vector<quint64> m_sums; // the target row being built
    QImage m_result;
    int m_row = 0;
};
