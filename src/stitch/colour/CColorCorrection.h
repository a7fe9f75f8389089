#pragma once

// Fits a table that maps one image's values of a colour channel onto
// another's, from the two histograms of that channel over their common
// overlap. The histograms are paired by rank into a joint histogram; a
// two-parameter camera response model (curve shape a in -0.8 .. 0, exposure
// ratio t in 0.2 .. 4) is fitted to it by least squares, and the table is
// read off the model.
//
// The joint histogram (256 x 256 counts, 256 KiB) belongs to the object.
// Runs on the caller's thread; one object per thread.
class CColorCorrection
{
public:
    CColorCorrection();
    ~CColorCorrection();
    CColorCorrection(const CColorCorrection&) = delete;
    CColorCorrection& operator=(const CColorCorrection&) = delete;

    // first: 256 counts of the target image; second: 256 counts of the image
    // to correct; table: 256 entries written, table[v] being the corrected v.
    // With fewer than 100 paired counts there is nothing to fit and the
    // table is the identity (a = 0, t = 1).
    void Run(const unsigned int* first, const unsigned int* second, unsigned char* table);

    // The steps of Run, on the current joint histogram.
    void SolveOecf();
    // Golden-section search of t in 0.2 .. 4 for the shape a; returns the
    // error at the t written.
    float FindBestT(float a, float& t);
    void ComputeSVals(float* s1, float* s2, float a, float t) const;
    // The curve and its inverse on 0 .. 1 (x is clamped first).
    static float Map(float a, float x);
    static float InvMap(float a, float x);
    // The exposure ratio applied at value v: t below 10 and for t <= 1,
    // else falling linearly to 1 at 255. t must be positive.
    static float WeightOfT(unsigned char v, float t);
    // Sum over the joint cells of count x (255 s[row] - column)^2.
    float EvalError(const float* s) const;
    // direction 0: row `index` over columns 0 .. count-1; direction 1:
    // column `count` over rows 0 .. index-1.
    unsigned int SubTotal(int index, int count, int direction) const;

    // Rank pairing of the two histograms into the joint histogram (cleared
    // first); returns the number of counts paired.
    unsigned long long PairByRank(const unsigned int* first, const unsigned int* second);

    // Row = value in the second histogram, column = value in the first.
    const unsigned int* Joint() const { return m_pJoint; }
    float A() const { return m_fA; }
    float T() const { return m_fT; }

    static constexpr unsigned kMinimumCounts = 100;

private:
    unsigned int* m_pJoint = nullptr;
    float m_fA = 0.0f;
    float m_fT = 0.0f;
    float m_S1[256] = {};
    float m_S2[256] = {};
};
