#pragma once

#include "canvas/AbstractContent.h"
#include "canvas/PictureEffect.h"
#include "canvas/PicturePrefetch.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <memory>

class CPixmap;
class PictureProperties;

// The picture item of a canvas: one CPixmap shown in the content rectangle,
// the files it came from (written back as "fileUrl" and "relativeFilePath")
// and the effects a project file asks for until a picture is loaded.
//
// A project whose files are all missing keeps the item as a placeholder: it
// draws a grey box naming the file and writes its element back as it was
// read, so that a later save does not lose the picture.
//
// GUI thread only.
class PictureContent : public AbstractContent
{
    Q_OBJECT

public:
    PictureContent(bool fadeIn, QGraphicsScene* scene, int frameClass, QGraphicsItem* parent = nullptr);
    ~PictureContent() override;

    // The three ways to load share one procedure: the new photo is made
    // first and replaces the old one only when it is not null, so a failed
    // load changes nothing. `keepPath` records `path` (canonical when it
    // exists) as the only file path and forgets a stored relative path;
    // `resetRatio` fits the content rectangle to the photo; `applyPending`
    // applies the effects read from a project.
    bool loadFromFile(const QString& path, bool keepPath, bool resetRatio, bool applyPending);
    bool loadFromFile(const QString& path, const QImage& image, bool keepPath, bool resetRatio, bool applyPending);
    bool loadFromFile(const QString& path, const QPixmap& pixmap, const QImage& mask, bool keepPath, bool resetRatio,
        bool applyPending);

    void applyPostLoadEffects();
    // Nothing without a photo. Code 7 also sets the content opacity.
    void addEffect(const PictureEffect& effect);
    // The photo's nine records (shared), or none without a photo.
    PictureEffectList effects() const;
    PictureEffectList pendingEffects() const { return m_pendingEffects; }
    void setMask(const QImage& mask);
    void clearCache();
    // Lands the newest render of the photo; call before any output.
    void waitForRender();

    CPixmap* photo() const { return m_photo.get(); }
    QStringList filePaths() const { return m_filePaths; }
    QString relativeFilePath() const { return m_relativeFilePath; }
    // True after a project element naming files none of which could be
    // loaded; a successful load ends it.
    bool isPlaceholder() const { return m_placeholder; }
    // The files a placeholder looked for, in the order they were tried.
    QStringList missingPaths() const;
    // Why a placeholder shows none of them: each file tried, in order, with
    // an empty reason when there is no such file, else why it could not be
    // read (the reader's message). A relative path is given as looked for
    // in the project folder.
    struct FileProblem
    {
        QString path;
        QString reason;
    };
    QList<FileProblem> fileProblems() const { return m_placeholder ? m_fileProblems : QList<FileProblem>(); }

    // The files fromXml() tries for `element`, in its order, with
    // `projectDir` resolving the relative path: what a PicturePrefetch for
    // it must be given.
    static QList<PicturePrefetch::Candidate> fileCandidates(const QDomElement& element, const QDir& projectDir);
    // Starts decoding `element`'s file with the program's reader, for
    // setPrefetch() of the picture that will read the element.
    static std::shared_ptr<PicturePrefetch> prefetch(const QDomElement& element, const QDir& projectDir);
    // The next fromXml() takes the files `prefetch` decoded (for the same
    // element and folder) instead of decoding them itself, then lets it go.
    void setPrefetch(std::shared_ptr<PicturePrefetch> prefetch) { m_prefetch = std::move(prefetch); }

    // Replaces the photo with the first URL that names a readable local
    // file; false when none does (nothing changes then).
    bool dropUrls(const QList<QUrl>& urls);

    // Runs the context menu at `screenPos` through ModalPrompts.
    void showContextMenu(const QPoint& screenPos);

    QString contentName() const override;
    bool fromXml(QDomElement& element, const QDir& projectDir) override;
    void toXml(QDomElement& element, const QDir& projectDir) const override;
    void drawContent(QPainter* painter, const QRect& target, Qt::AspectRatioMode mode) override;
    QPixmap toPixmap(const QSize& size, Qt::AspectRatioMode mode) override;
    int contentHeightForWidth(int width) const override;
    bool contentOpaque() const override;
    // The "Fine-tuning" section: the mirror buttons and the six fine-tune
    // rows, which leave as this item's signals. Rows show the photo's
    // values; pictures of 4,000,000 pixels and more take a value only at a
    // slider's release. Without a photo the rows are neutral and disabled.
    // The caller takes the widget.
    QMap<QString, QWidget*> createContentWidget() override;

    // Below this many pixels a fine-tune slider re-renders while dragged.
    static constexpr qint64 LiveFinetuneLimit = 4000000;

signals:
    void flipHorizontally();
    void flipVertically();
    void saturation(int value);
    void contrast(int value);
    void brightness(int value);
    void sharpness(int value);
    void temperature(int value);
    void tint(int value);
    void effect(int effectId);

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
    void dropEvent(QGraphicsSceneDragDropEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    // Tries the element's files in order; true once one loaded. Otherwise
    // each file's problem is noted.
    bool loadNamedFiles(const QDir& projectDir);
    // Loads one file of the element: false, with a note of why, when it is
    // no regular file or does not read.
    bool loadNamedFile(const QString& path);
    // The picture's file, from the prefetch when it decoded it; a null
    // image with the reader's message in `error` when it does not read.
    QImage readFile(const QString& path, QString* error = nullptr);
    bool installPhoto(std::unique_ptr<CPixmap> photo, const QString& path, bool keepPath, bool resetRatio,
        bool applyPending);
    void photoRendered();
    void drawPlaceholder(QPainter* painter, const QRect& target) const;
    void fillPanel(PictureProperties* panel) const;
    void emitFinetune(int type, int value);

    QStringList m_filePaths;
    QString m_relativeFilePath;
    std::unique_ptr<CPixmap> m_photo;
    QPixmap m_scaledPixmap;
    bool m_opaque = false;
    bool m_placeholder = false;
    PictureEffectList m_pendingEffects;
    QList<FileProblem> m_fileProblems;
    std::shared_ptr<PicturePrefetch> m_prefetch;
    // The newest panel, refilled when a new photo arrives (a drop).
    QPointer<PictureProperties> m_panel;
};
