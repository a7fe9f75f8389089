#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Decodes, on a render thread, the file a picture element of a project will
// load, while the canvas is still reading the elements before it: a project
// of many photographs then opens in about the time of its slowest decodes
// rather than their sum.
//
// The worker goes through the candidates as PictureContent::fromXml() does:
// each one whose `checked` path is a regular file is decoded from its
// `decoded` path, and the first that gives an image ends the walk. take()
// then hands each tried file's result (image or null) to the picture, once;
// a file the worker did not try is left to the caller, who decodes it
// itself. Nothing about the result differs from decoding on the GUI thread.
//
// Made, used and destroyed on one thread (the GUI thread); the decode runs
// on PictureRenderPool. Destroying a prefetch whose decode has not started
// cancels it; one already running finishes and its image is dropped.
class PicturePrefetch
{
public:
    struct Candidate
    {
        QString checked; // must be a regular file (a FIFO would block)
        QString decoded; // the file read
    };
    // Any thread; a null image when the file does not decode, with the
    // reader's message for the user in `error`.
    using Decoder = std::function<QImage(const QString& path, QString* error)>;

    // Starts at once; an empty list starts nothing. `decoder` is called on
    // a render thread (PictureContent::prefetch() gives the program's
    // reader).
    PicturePrefetch(QList<Candidate> candidates, Decoder decoder);
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // Waits for the worker, then gives its result for `path` (null when it
    // failed to decode, the decoder's message then in `error` when not
    // null) and forgets it; nothing when the worker did not try `path` or
    // its result was taken already.
    std::optional<QImage> take(const QString& path, QString* error = nullptr);

private:
    struct State;
    std::shared_ptr<State> m_state;
};
