#include "stitch/colour/CColorCorrection.h"

#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr int kBins = 256;
constexpr double kPi = 3.14159265358979323846;

float clampUnit(float x)
{
    return x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x);
}

// The joint histogram's non-zero cells in row-major order. Rank pairing
// walks a staircase, so at most 2 x 256 - 1 cells are set: the error sum
// over these is the full table's, term for term and in the same order.
struct JointCells
{
    struct Row
    {
        int row;
        int first; // index of the row's first cell
        int end;
    };
    float column[2 * kBins];
    float count[2 * kBins];
    Row rows[kBins];
    int rowCount = 0;
    bool complete = true; // false: more cells than the staircase can hold
    unsigned long long total = 0; // counts gathered

    // Cells from row rowLimit and from column columnLimit on are left out.
    explicit JointCells(const unsigned int* joint, int rowLimit = kBins, int columnLimit = kBins)
    {
        if (!joint) {
            complete = false;
            return;
        }
        int cells = 0;
        for (int row = 0; row < rowLimit && complete; ++row) {
            const unsigned int* line = joint + row * kBins;
            const int first = cells;
            for (int c = 0; c < columnLimit; ++c) {
                if (line[c] == 0)
                    continue;
                if (cells == 2 * kBins) {
                    complete = false;
                    break;
                }
                column[cells] = float(c);
                count[cells] = float(line[c]);
                total += line[c];
                ++cells;
            }
            if (cells > first)
                rows[rowCount++] = Row{row, first, cells};
        }
    }

    float error(const float* s) const
    {
        float error = 0.0f;
        for (int k = 0; k < rowCount; ++k) {
            const Row& r = rows[k];
            const float predicted = 255.0f * s[r.row];
            for (int i = r.first; i < r.end; ++i) {
                const float d = predicted - column[i];
                error += count[i] * d * d;
            }
        }
        return error;
    }
};

// The full table's sum, for joints that are not a staircase.
float fullError(const unsigned int* joint, const float* s)
{
    float error = 0.0f;
    for (int row = 0; row < kBins; ++row) {
        const unsigned int* cells = joint + row * kBins;
        const float predicted = 255.0f * s[row];
        for (int column = 0; column < kBins; ++column) {
            if (cells[column] == 0)
                continue;
            const float d = predicted - float(column);
            error += float(cells[column]) * d * d;
        }
    }
    return error;
}

// The golden-section search of t for shape a. cells: the joint's non-empty
// cells, or null to sum over the whole table. s1 does not depend on t, and
// the error reads s2 only on the non-empty rows, so s1 is worked out once
// per shape and s2 only where it is read. Without the taper the ratio is
// the same over the whole range (cells must then be given).
float searchT(const CColorCorrection& self, const JointCells* cells, float a, float& t, bool taper = true)
{
    const unsigned int* joint = self.Joint();
    float s1[kBins], s2[kBins];
    for (int v = 0; v < kBins; ++v)
        s1[v] = CColorCorrection::Map(a, float(v) / 255.0f);
    auto error = [&](float x) {
        if (!joint)
            return 0.0f;
        if (!cells) {
            self.ComputeSVals(s1, s2, a, x);
            return fullError(joint, s2);
        }
        for (int k = 0; k < cells->rowCount; ++k) {
            const int v = cells->rows[k].row;
            const float ratio = taper ? CColorCorrection::WeightOfT(static_cast<unsigned char>(v), x) : x;
            s2[v] = CColorCorrection::InvMap(a, ratio * s1[v]);
        }
        return cells->error(s2);
    };
    float lo = 0.2f, hi = 4.0f;
    float x1 = lo + 0.382f * (hi - lo), x2 = lo + 0.618f * (hi - lo);
    float e1 = error(x1), e2 = error(x2);
    for (;;) {
        if (e2 > e1) {
            hi = x2;
            if (hi - lo < 0.01f)
                break;
            x2 = x1;
            e2 = e1;
            x1 = lo + 0.382f * (hi - lo);
            e1 = error(x1);
        } else if (e2 < e1) {
            lo = x1;
            if (hi - lo < 0.01f)
                break;
            x1 = x2;
            e1 = e2;
            x2 = lo + 0.618f * (hi - lo);
            e2 = error(x2);
        } else {
            // Equal (or not comparable): keep the middle and sample it anew.
            lo = x1;
            hi = x2;
            if (hi - lo < 0.01f)
                break;
            x1 = lo + 0.382f * (hi - lo);
            x2 = lo + 0.618f * (hi - lo);
            e1 = error(x1);
            e2 = error(x2);
        }
    }
    t = (x1 + x2) / 2.0f;
    return (e1 + e2) / 2.0f;
}

} // namespace

CColorCorrection::CColorCorrection()
    : m_pJoint(new (std::nothrow) unsigned int[kBins * kBins]())
{
}

CColorCorrection::~CColorCorrection()
{
    delete[] m_pJoint;
}

float CColorCorrection::Map(float a, float x)
{
    const double v = clampUnit(x);
    return float(v + 2.0 / kPi * std::atan(a * std::sin(kPi * v) / (1.0 - a * std::cos(kPi * v))));
}

float CColorCorrection::InvMap(float a, float x)
{
    const double z = clampUnit(x);
    return float(z + 2.0 / kPi * std::atan(-a * std::sin(kPi * z) / (1.0 + a * std::cos(kPi * z))));
}

float CColorCorrection::WeightOfT(unsigned char v, float t)
{
    if (v < 10 || t <= 1.0f)
        return t;
    return t + float(v - 10) * (1.0f - t) / 245.0f;
}

void CColorCorrection::ComputeSVals(float* s1, float* s2, float a, float t) const
{
    for (int v = 0; v < kBins; ++v) {
        s1[v] = Map(a, float(v) / 255.0f);
        s2[v] = InvMap(a, WeightOfT(static_cast<unsigned char>(v), t) * s1[v]);
    }
}

float CColorCorrection::EvalError(const float* s) const
{
    if (!m_pJoint)
        return 0.0f;
    return fullError(m_pJoint, s);
}

unsigned int CColorCorrection::SubTotal(int index, int count, int direction) const
{
    if (!m_pJoint || index < 0 || index >= kBins || count < 0 || count > kBins)
        return 0;
    unsigned int sum = 0;
    if (direction == 0) {
        for (int column = 0; column < count; ++column)
            sum += m_pJoint[index * kBins + column];
    } else {
        if (count >= kBins)
            return 0;
        for (int row = 0; row < index; ++row)
            sum += m_pJoint[row * kBins + count];
    }
    return sum;
}

unsigned long long CColorCorrection::PairByRank(const unsigned int* first, const unsigned int* second)
{
    if (!m_pJoint)
        return 0;
    std::memset(m_pJoint, 0, sizeof(unsigned int) * kBins * kBins);
    // rowUsed[r] is row r summed over the columns already done, so neither
    // sum is walked again on every step.
    unsigned int rowUsed[kBins] = {};
    unsigned long long paired = 0;
    int j = 0;
    for (int i = 0; i < kBins && j < kBins; ++i) {
        if (first[i] == 0)
            continue;
        unsigned int columnUsed = 0;
        for (int r = j; r < kBins; ++r) {
            // Value i is checked for done before the row is: a row left
            // partly used by the last value must still be there for the next.
            const unsigned int left1 = first[i] - columnUsed;
            if (left1 == 0)
                break;
            const unsigned int left2 = second[r] - rowUsed[r];
            if (left2 == 0) {
                j = r + 1;
                continue;
            }
            const unsigned int take = std::min(left1, left2);
            m_pJoint[r * kBins + i] = take;
            columnUsed += take;
            rowUsed[r] += take;
            paired += take;
        }
    }
    return paired;
}

float CColorCorrection::FindBestT(float a, float& t)
{
    const JointCells cells(m_pJoint);
    return searchT(*this, cells.complete ? &cells : nullptr, a, t);
}

void CColorCorrection::SolveOecf()
{
    // The joint does not change between the shapes: gather its cells once.
    const JointCells cells(m_pJoint);
    const JointCells* used = cells.complete ? &cells : nullptr;
    // The eleven shapes are searched side by side, then compared in order.
    constexpr int kShapes = 11;
    auto shape = [](int k) { return float(k) * 0.8f / 10.0f - 0.8f; };
    float errors[kShapes], ts[kShapes];
    StitchThreads::For(kShapes, [&](int k) {
        ts[k] = 0.0f;
        errors[k] = searchT(*this, used, shape(k), ts[k]);
    });
    float bestError = 0.0f;
    for (int k = 0; k < kShapes; ++k) {
        const float e = errors[k];
        if (k == 0 || e < bestError) {
            bestError = e;
            m_fA = shape(k);
            m_fT = ts[k];
        }
    }
}

void CColorCorrection::Run(const unsigned int* first, const unsigned int* second, unsigned char* table)
{
    m_fA = 0.0f;
    m_fT = 0.0f;
    const unsigned long long paired = first && second ? PairByRank(first, second) : 0;
    if (paired < kMinimumCounts) {
        // Nothing to fit: an empty joint histogram gives every shape the
        // same zero error and the search would settle on a brightening
        // table for no reason.
        m_fT = 1.0f;
        for (int v = 0; v < kBins; ++v)
            table[v] = static_cast<unsigned char>(v);
        return;
    }
    SolveOecf();
    ComputeSVals(m_S1, m_S2, m_fA, m_fT);
    for (int v = 0; v < kBins; ++v) {
        const float value = 255.0f * m_S2[v];
        const int entry = value <= 0.0f ? 0 : (value >= 255.0f ? 255 : int(value));
        table[v] = static_cast<unsigned char>(entry);
    }
}

int CColorCorrection::ClippedFrom(const unsigned int* counts)
{
    unsigned long long total = 0;
    for (int v = 0; v < kBins; ++v)
        total += counts[v];
    return total > 0 && counts[kBins - 1] * 100ull > total ? kClipped : kBins;
}

int CColorCorrection::Spread(const unsigned int* counts)
{
    unsigned long long total = 0;
    for (int v = 0; v < kBins; ++v)
        total += counts[v];
    if (total == 0)
        return 0;
    // The first values whose running sums reach 5 % and 95 %.
    const unsigned long long low = (total * 5 + 99) / 100, high = (total * 95 + 99) / 100;
    unsigned long long running = 0;
    int from = -1, to = kBins - 1;
    for (int v = 0; v < kBins; ++v) {
        running += counts[v];
        if (from < 0 && running >= low)
            from = v;
        if (running >= high) {
            to = v;
            break;
        }
    }
    return to - std::max(from, 0);
}

void CColorCorrection::RunChannels(const unsigned int* first, const unsigned int* second, unsigned char* tables)
{
    // Curve: fitted (the shape shared); Gain: the ratio of the means;
    // Borrowed: mostly clipped, the other channels' ratio; Alone: fitted by
    // itself.
    enum class Fit { Identity, Gain, Curve, Borrowed, Alone };
    Fit fit[3] = {Fit::Identity, Fit::Identity, Fit::Identity};
    double gain[3] = {1.0, 1.0, 1.0};
    std::unique_ptr<JointCells> cells[3];
    m_fA = 0.0f;
    m_fT = 1.0f;
    for (int c = 0; c < 3 && first && second; ++c) {
        const unsigned int* f = first + kBins * c;
        const unsigned int* s = second + kBins * c;
        const unsigned long long paired = PairByRank(f, s);
        if (paired < kMinimumCounts)
            continue;
        double sumF = 0.0, sumS = 0.0, countF = 0.0, countS = 0.0;
        for (int v = 0; v < kBins; ++v) {
            sumF += double(f[v]) * v;
            countF += f[v];
            sumS += double(s[v]) * v;
            countS += s[v];
        }
        // A band at black has no ratio to speak of.
        gain[c] = sumS > 0.0 && sumF > 0.0 ? (sumF / countF) / (sumS / countS) : 1.0;
        if (Spread(f) < kFlatSpread && Spread(s) < kFlatSpread) {
            fit[c] = Fit::Gain;
            continue;
        }
        // Clipped values tell nothing of the ratio: a brighter photo's
        // highlights pile up at 255 (and, compressed, just below it), and
        // paired with the other photo's top values they ask for a curve
        // that bends everything else.
        cells[c].reset(new (std::nothrow) JointCells(m_pJoint, ClippedFrom(s), ClippedFrom(f)));
        if (!cells[c] || !cells[c]->complete) {
            fit[c] = Fit::Alone; // no room for the cells
            Run(f, s, tables + kBins * c);
            continue;
        }
        // What is left of a mostly clipped channel is the far end of its
        // histograms, whose rank pairs depend on which pixels each overlap
        // happens to hold: it is no measure of the light.
        const bool enough = cells[c]->total >= kMinimumCounts && 4 * cells[c]->total >= paired;
        fit[c] = enough ? Fit::Curve : Fit::Borrowed;
    }

    // One shape for the fitted channels: the eleven shapes side by side,
    // each with the best ratio per channel, compared in order. The ratio
    // applies to the whole range: a ratio that fell off toward white
    // would be fitted larger for a channel whose overlap is bright than
    // for one whose overlap is dark, and the two would part in the shadows.
    constexpr int kShapes = 11;
    auto shape = [](int k) { return float(k) * 0.8f / 10.0f - 0.8f; };
    float errors[kShapes] = {}, ts[kShapes][3] = {};
    int curves = 0, gains = 0;
    double gainSum = 0.0;
    for (int c = 0; c < 3; ++c) {
        curves += fit[c] == Fit::Curve ? 1 : 0;
        if (fit[c] == Fit::Gain) {
            ++gains;
            gainSum += gain[c];
        }
    }
    float t[3] = {1.0f, 1.0f, 1.0f};
    if (curves > 0) {
        StitchThreads::For(kShapes, [&](int k) {
            for (int c = 0; c < 3; ++c)
                if (fit[c] == Fit::Curve)
                    errors[k] += searchT(*this, cells[c].get(), shape(k), ts[k][c], false);
        });
        int best = 0;
        for (int k = 1; k < kShapes; ++k)
            if (errors[k] < errors[best])
                best = k;
        m_fA = shape(best);
        float sum = 0.0f;
        for (int c = 0; c < 3; ++c)
            if (fit[c] == Fit::Curve) {
                t[c] = ts[best][c];
                sum += t[c];
            }
        m_fT = sum / float(curves);
    }
    for (int c = 0; c < 3; ++c) {
        if (fit[c] != Fit::Borrowed)
            continue;
        if (curves > 0) {
            t[c] = m_fT;
            fit[c] = Fit::Curve;
        } else if (gains > 0) {
            gain[c] = gainSum / gains;
            fit[c] = Fit::Gain;
        } else {
            fit[c] = Fit::Gain; // nothing to borrow: its own means
        }
    }
    for (int c = 0; c < 3; ++c) {
        unsigned char* table = tables + kBins * c;
        for (int v = 0; v < kBins && fit[c] != Fit::Alone; ++v) {
            double value = v;
            if (fit[c] == Fit::Curve)
                value = std::floor(255.0f * InvMap(m_fA, t[c] * Map(m_fA, float(v) / 255.0f)));
            else if (fit[c] == Fit::Gain)
                value = std::floor(v * gain[c] + 0.5);
            table[v] = static_cast<unsigned char>(std::clamp(value, 0.0, 255.0));
        }
    }
}
