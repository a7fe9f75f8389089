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
    // The three channels of one pair together: counts and tables are three
    // runs of 256, one per channel. What Run does to one channel alone
    // casts colour on a real pair, three ways, each mended here:
    // - A camera has one response curve: the channels share its shape and
    //   differ only in their exposure ratio. Shapes fitted per channel bend
    //   each channel its own way and turn colours the overlap never held.
    // - A channel whose overlap lies in a narrow band in both images (a
    //   flat sky, fog) says nothing of the curve: fitted to that one point
    //   the curve may bend every other value anywhere (a 4 % step at 240
    //   lifted mid-tones by two thirds). It gets the plain ratio of the two
    //   means, which puts the band exactly onto the first image's.
    // - Run's ratio falls off towards white; fitted to a channel whose
    //   values are mostly bright it comes out larger than for one whose
    //   values are dark, and the channels part in the shadows. Here the
    //   ratio holds over the whole range (the brighter photo's highlights
    //   clip, as the photo's own did), and the values of an image clipped
    //   in a channel (more than 1 % at 255) are left out from kClipped on.
    //   A channel left with under a quarter of its counts takes the ratio
    //   of the fitted channels (or of the flat ones).
    // A channel with too few counts keeps the identity. A() and T() are the
    // shared shape and the fitted channels' mean ratio afterwards.
    void RunChannels(const unsigned int* first, const unsigned int* second, unsigned char* tables);
    // The width of the middle 90 % of a histogram's counts, in levels (0
    // for an empty one).
    static int Spread(const unsigned int* counts);
    // Where a histogram's values stop telling the light: kClipped when more
    // than 1 % of its counts are at 255, else 256.
    static int ClippedFrom(const unsigned int* counts);

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
    // Narrower than this in both images, a channel's overlap is flat: noise
    // of a few levels and a gentle gradient stay within it, the texture of
    // a landscape does not.
    static constexpr int kFlatSpread = 24;
    // From this value on a clipped channel's values are left out of a fit.
    static constexpr int kClipped = 240;

private:
    unsigned int* m_pJoint = nullptr;
    float m_fA = 0.0f;
    float m_fT = 0.0f;
    float m_S1[256] = {};
    float m_S2[256] = {};
};
