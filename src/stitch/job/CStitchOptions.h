#pragma once

#include "stitch/image/Rect.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/job/CStitchMatrix.h"
#include "stitch/pyramid/CFileManager.h"

#include <QString>

class CStitchElement;
struct tagStitchCallbacks;

// The job record behind a handle of the PS functions. Made only by
// PSCreateStitch and destroyed by PSReleaseStitch; used from one thread.
//
// The host's callbacks and user data are process-wide statics, so one job is
// in use at a time. The memory statics start as the library's defaults, so
// images can be made before any job exists.
//
// The job owns its element array (new[]), the overlap rectangle array and
// the path pointer array (new[]; the paths in it belong to the elements),
// the working and result bitmaps (MemFree) and its temporary folder, which
// the destructor removes with everything in it.
class CStitchOptions
{
public:
    CStitchOptions();
    ~CStitchOptions();
    CStitchOptions(const CStitchOptions&) = delete;
    CStitchOptions& operator=(const CStitchOptions&) = delete;

    // Frees the working and result bitmaps, then every element's files.
    void Release();
    void DeleteTempFiles();
    // Makes the job's own folder (owner-only, a fresh name) under "/Panorama"
    // in the cache location, unless the folder it has still exists.
    bool CreateTempDir();
    void DeleteOneElementTempFiles(CStitchElement* element);
    // A missing file is no error.
    void RemoveFile(int id);
    // Replaces *rects (delete[]) with a new array of the overlaps of
    // neighbouring placements, relative to the layout rectangle's corner.
    // False when the array cannot be had (*rects null, *count 0).
    bool CalcOverlapRects(tagRECT** rects, int* count);
    // Replaces *paths (delete[]; the paths are the elements') with a new
    // array of the elements' dividing paths in overlap order.
    bool GetDividingPath(unsigned short*** paths, int* count);
    // Lets the host fill a fresh result bitmap of the layout's size; only
    // when there is no result yet and a callback is set.
    bool GetResultDIBDataFromOutside();

    // Number of overlaps (and of paths) the current grid reports.
    int OverlapCount() const;
    int PathCount() const;

    // Progress through the host; true when the host asks to stop.
    static bool ShowProgress(int percent);
    // The memory callbacks in use.
    static void* MemAlloc(unsigned int size);
    static void* MemLock(void* handle);
    static bool MemUnlock(void* handle);
    static void MemFree(void* handle);
    // Takes the table's slots: the four memory slots only when all are set.
    static void SetCallbacks(const tagStitchCallbacks* callbacks);

    int m_lRenderKind = RenderCylindrical;
    tagStitchOutputSize m_OutputSize = StitchOutputOriginal;
    bool m_bBrightnessCorrection = true;
    bool m_bAutoGrid = true;
    STITCHMETHOD m_Method = StitchMethodCalibrated;
    double m_dFocalLength = 0.0; // layer-0 pixels; 0 until known
    int m_lFineTune = 0;
    CStitchMatrix m_Matrix;
    unsigned int m_lFillColour = 0xFFFFFF; // 0x00BBGGRR
    void* m_hWorkDib = nullptr;
    void* m_hResultDib = nullptr;
    tagRECT m_LayoutRect = {};
    tagRECT m_LayoutRect2 = {};
    tagRECT m_CropRect = {};
    tagRECT* m_pOverlapRects = nullptr;
    unsigned short** m_ppPaths = nullptr;
    int m_lPathCount = 0;
    int m_lDeepestLayer = -1;
    int m_lWorkingLayer = -1;
    CFileManager m_FileManager;
    QString m_strTempDir;
    int m_lOrderingLayer = -1;

    static void* m_pUserData;
    static void* m_pUserDataMemo;
    static void (*m_pfnShowProgress)(int, bool*, void*);
    static int (*m_pfnGetImage)(const QString*, void**, void*);
    static void (*m_pfnDeleteImage)(void**, void*);
    static int (*m_pfnGetResultDIBData)(void*, void*);
    static void* (*m_pfnMemAlloc)(unsigned int);
    static void* (*m_pfnMemLock)(void*);
    static bool (*m_pfnMemUnlock)(void*);
    static void (*m_pfnMemFree)(void*);
};
