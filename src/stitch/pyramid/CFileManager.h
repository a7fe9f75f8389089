#pragma once

#include <QString>

class CImage;
class CMask;

// Numbered temporary files ("Panorama<id>") inside one job's folder.
//
// The seam-graph file: width and height (i32), then width x height u16
// costs row by row, little-endian.
class CFileManager
{
public:
    CFileManager();
    ~CFileManager();

    void SetTempDir(const QString& dir);
    const QString& TempDir() const { return m_strTempDir; }

    // The id of no file, as the element records keep it.
    static constexpr int kNoFile = -1;

    // Reserves a fresh name by creating its file exclusively and returns its
    // id; ids are not reused within the process. kNoFile when no name could
    // be reserved within kMaxTries attempts (folder missing or full).
    int GetFileID();
    void GetTotalTempFileName(int id, QString& name) const;

    bool SaveImageFile(int id, CImage* image);
    bool LoadImageFile(int id, CImage* image);
    bool SaveMaskFile(int id, CMask* mask);
    bool LoadMaskFile(int id, CMask* mask);
    bool SaveGraphFile(int id, const unsigned short* costs, int width, int height);
    // On success costs is a new[] array the caller owns; a file whose sizes
    // do not match its length is refused before anything is allocated.
    bool LoadGraphFile(int id, unsigned short*& costs, int& width, int& height);

    static constexpr int kMaxTries = 10000;
    static long m_lCounter; // the next id to try, process-wide

private:
    QString m_strTempDir;
};
