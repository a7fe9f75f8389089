#pragma once

#include "stitch/image/Rect.h"

#include <vector>

class CImage;
class CStitchElement;
class CStitchOptions;

// A neighbour candidate of one image: where the other image sits in the grid
// as loaded, where its origin lies in this image's pixels on the ordering
// layer (rows in memory order), and how well the two agree (lower is better).
struct ORDER_PARAM
{
    tagPOINT position;
    tagPOINT offset;
    double score;
};

// One cell of an arrangement under construction.
struct MATCH_DATA
{
    tagPOINT position;     // the image placed here (grid position as loaded)
    tagPOINT firstOffset;  // link to the next image, or to the right neighbour
    tagPOINT secondOffset; // link to the lower neighbour; a chain's first cell keeps the ring link here
    int index;             // depth in the chain, -1 for a backward seed
    double firstScore;
    double secondScore;
};

// Candidate lists of one element, held in its m_pOrderData slots (0 right,
// 1 lower; new'd, freed by ReleaseTemporaryData). m_lOrderValues holds the
// good counts (0 right, 1 lower) and the target column and row (2, 3).
struct COrderList
{
    std::vector<ORDER_PARAM> records; // every correlated other image
};

// Finds where each loaded image belongs: the order of a row, a column or a
// ring, or the cell of each image in a tile grid (and the grid's size), then
// permutes the job's elements so that element (col, row) is the image that
// belongs there. Runs on the caller's thread; progress goes through the job's
// callback. Made on the stack for one Run.
class CAutoOrder
{
public:
    // tileCols 0 takes the job's columns for a tile job without automatic grid.
    CAutoOrder(CStitchOptions* job, int tileCols);
    ~CAutoOrder();
    CAutoOrder(const CAutoOrder&) = delete;
    CAutoOrder& operator=(const CAutoOrder&) = delete;

    // 0 done (also when no better order was found: the load order stays),
    // -1 cancelled, -2 out of memory, -3 an ordering layer cannot be had.
    int Run(int maxCols, int maxRows, bool styleSearch);

    static bool IsPrimeNumber(int n);
    // Exchanges two element records wholesale (the order data goes along).
    static void PermuteElementParam(CStitchElement* a, CStitchElement* b);

    // Internal steps, public so that a test can drive them on hand-made lists.
    int StartupCalcCorrel();
    int CalcCorrelation(int col1, int row1, int col2, int row2);
    // Full search of b against a over the window of CalcCorrelRegion; 0 or -3
    // for images that are not 24-bit.
    int CoarseAlign(CImage* a, CImage* b, int& dx, int& dy, double& score, bool vertical);
    tagRECT CalcCorrelRegion(CImage* image, bool vertical);
    void PostProcessCorrel();
    int FindPrevData();
    int MatchImagesDirect();
    int MatchTileImagesDirect();
    void StartupPermuteElementInfo();
    void ReleaseTemporaryData();
    double CalcOrderSum(const MATCH_DATA* chain, int n, bool backwards) const;

    // Returned by a step that finds no order (Run turns it into 0).
    static constexpr int kNoOrder = 1;
    // Placements a branch-and-bound search may make before it gives up and
    // the best complete arrangement so far stands.
    long m_lPlacementBudget = 1000000;
    long m_lPlacements = 0;

    CStitchOptions* m_pJob;
    int m_lCount;
    std::vector<std::vector<MATCH_DATA>> m_PrevLists;
    std::vector<MATCH_DATA> m_Best;
    tagPOINT m_Head = {-1, -1};
    tagPOINT m_Tail = {-1, -1};
    int m_lTrialCols;
    int m_lTrialRows = 0;
    int m_lBestCols = 0;
    int m_lBestRows = 0;
    int m_lMaxCols = 0;
    int m_lMaxRows = 0;
    bool m_bStyleSearch = false;
    bool m_bComposite = false;
    double m_dMeanScore = 2050.0;
    int m_lProgressStart = 0;
    int m_lProgressEnd = 100;

private:
    // A 24-bit picture's rows, as the offset search reads them.
    struct CorrelPlane
    {
        const unsigned char* bits = nullptr;
        int stride = 0;
        int width = 0;
        int height = 0;
    };
    // One pair's search put off until every pair is collected (the searches
    // then run side by side on copies of the ordering layers).
    struct PendingCorrel
    {
        CStitchElement* element;
        bool lower;
        tagPOINT position;
        CorrelPlane a, b;
        tagRECT window;
        int dx = 0, dy = 0;
        double score = 0.0;
    };
    static void SearchOffsets(const CorrelPlane& a, const CorrelPlane& b, const tagRECT& window, int& dx, int& dy,
                              double& score);
    int CollectCorrelations();
    int QueueCorrelation(CStitchElement* ea, CImage* a, CStitchElement* eb, CImage* b, tagPOINT position,
                         bool vertical);
    // e's ordering layer copied once (image locked); false without memory.
    bool Copy(CStitchElement* e, CImage* image, CorrelPlane& plane);
    void RunPendingCorrelations();

    struct LayerCopy
    {
        CStitchElement* element;
        std::vector<unsigned char> pixels;
        CorrelPlane plane; // over pixels
    };
    bool m_bQueueCorrel = false;
    std::vector<PendingCorrel> m_Pending;
    std::vector<LayerCopy> m_Copies;

    int OrderByDirect();
    void MatchNextImages(MATCH_DATA* chain, double& best);
    void MatchPrevImages(MATCH_DATA* chain, double& best);
    static bool IsInList(tagPOINT position, const MATCH_DATA* chain, int n);
    void MatchTileImages(MATCH_DATA* chain, double& best);
    double GetTileAddDiff(const MATCH_DATA& cell, const MATCH_DATA* chain) const;
    MATCH_DATA HeadTrackingForTile(const ORDER_PARAM& candidate, int depth) const;
    void BackTrackingForTile(const MATCH_DATA& cell, MATCH_DATA* chain, int& depth) const;
    void KeepIfBetter(const MATCH_DATA* chain, double& best);
    void TargetsStayInPlace();

    int Cols() const;
    int Rows() const;
    CStitchElement* Element(tagPOINT position) const;
    static COrderList* Rights(CStitchElement* e);
    static COrderList* Lowers(CStitchElement* e);
    int Style() const;
    bool ReuseLists() const;
    bool Report(int percent) const;
};
