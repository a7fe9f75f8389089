#include "canvas/PictureContent.h"

#include "appframe/ModalPrompts.h"
#include "canvas/CPixmap.h"
#include "canvas/FinetuneWidget.h"
#include "canvas/PictureProperties.h"
#include "canvas/RenderOpts.h"
#include "files/IQImageIO.h"
#include "ui_PictureProperties.h"

#include <QAction>
#include <QDir>
#include <QDomElement>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneMouseEvent>
#include <QIcon>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

#include <cmath>
#include <limits>

namespace {

bool isRemote(const QString& path)
{
    return path.startsWith(QLatin1String("http:"), Qt::CaseInsensitive)
        || path.startsWith(QLatin1String("https:"), Qt::CaseInsensitive)
        || path.startsWith(QLatin1String("ftp:"), Qt::CaseInsensitive);
}

// The files a "picture" element names: its "fileUrl" elements (at any
// depth, in document order), or else its legacy "path"; and its relative
// path.
struct NamedFiles
{
    QStringList paths;
    QString relative;
};

NamedFiles namedFiles(const QDomElement& element)
{
    NamedFiles files;
    files.relative = element.firstChildElement(QStringLiteral("relativeFilePath")).text();
    const QDomNodeList urls = element.elementsByTagName(QStringLiteral("fileUrl"));
    for (int i = 0; i < urls.count(); ++i)
        files.paths.append(urls.at(i).toElement().text());
    if (files.paths.isEmpty()) {
        const QDomElement legacy = element.firstChildElement(QStringLiteral("path"));
        if (!legacy.isNull())
            files.paths.append(legacy.text());
    }
    return files;
}

// A project file may hold any double for the opacity.
double heldOpacity(double value)
{
    if (std::isnan(value))
        return 1.0;
    return qBound(0.0, value, 1.0);
}

} // namespace

PictureContent::PictureContent(bool fadeIn, QGraphicsScene* scene, int frameClass, QGraphicsItem* parent)
    : AbstractContent(scene, fadeIn, false, frameClass, parent)
{
    setAcceptDrops(true);
}

PictureContent::~PictureContent() = default;

bool PictureContent::loadFromFile(const QString& path, bool keepPath, bool resetRatio, bool applyPending)
{
    const QImage image = readFile(path);
    if (image.isNull())
        return false;
    return installPhoto(std::make_unique<CPixmap>(image), path, keepPath, resetRatio, applyPending);
}

QImage PictureContent::readFile(const QString& path, QString* error)
{
    if (m_prefetch) {
        if (std::optional<QImage> decoded = m_prefetch->take(path, error))
            return *decoded;
    }
    // Through the program's reader: orientation applied, size cap, RAW.
    return IQImageIO::readImage(path, error);
}

bool PictureContent::loadFromFile(
    const QString& path, const QImage& image, bool keepPath, bool resetRatio, bool applyPending)
{
    if (image.isNull())
        return false;
    return installPhoto(std::make_unique<CPixmap>(image), path, keepPath, resetRatio, applyPending);
}

bool PictureContent::loadFromFile(const QString& path, const QPixmap& pixmap, const QImage& mask, bool keepPath,
    bool resetRatio, bool applyPending)
{
    if (pixmap.isNull())
        return false;
    return installPhoto(std::make_unique<CPixmap>(pixmap, mask), path, keepPath, resetRatio, applyPending);
}

bool PictureContent::installPhoto(
    std::unique_ptr<CPixmap> photo, const QString& path, bool keepPath, bool resetRatio, bool applyPending)
{
    // The old photo goes only once the new one exists: a failed load leaves
    // the user's picture as it was.
    if (!photo || photo->isNull())
        return false;
    m_photo = std::move(photo);
    m_photo->setRenderedHandler([this] { photoRendered(); });
    m_scaledPixmap = QPixmap();
    m_opaque = !m_photo->hasAlpha();
    m_placeholder = false;
    if (keepPath) {
        const QString canonical = QDir(path).canonicalPath();
        m_filePaths = QStringList{canonical.isEmpty() ? path : canonical};
        // The stored relative path named the replaced file; kept, a moved
        // project would reopen that file instead of this one.
        m_relativeFilePath.clear();
    }
    if (resetRatio)
        resetContentsRatio();
    if (applyPending)
        applyPostLoadEffects();
    // A panel still showing the replaced photo's values and size.
    if (m_panel)
        fillPanel(m_panel);
    update();
    emit contentChanged();
    return true;
}

void PictureContent::photoRendered()
{
    m_scaledPixmap = QPixmap();
    update();
    emit contentChanged();
}

void PictureContent::applyPostLoadEffects()
{
    if (!m_photo)
        return;
    const PictureEffectList pending = m_pendingEffects;
    m_pendingEffects.clear();
    m_photo->applyEffects(pending);
    m_scaledPixmap = QPixmap();
    update();
}

void PictureContent::addEffect(const PictureEffect& effect)
{
    if (!m_photo)
        return;
    m_photo->applyEffect(effect);
    if (effect.effect == PictureEffect::Opacity)
        setContentOpacity(heldOpacity(effect.param));
    m_scaledPixmap = QPixmap();
    update();
    emit contentChanged();
    emit contentEdited();
}

PictureEffectList PictureContent::effects() const
{
    return m_photo ? m_photo->effects() : PictureEffectList();
}

void PictureContent::setMask(const QImage& mask)
{
    if (!m_photo)
        return;
    m_scaledPixmap = QPixmap();
    m_photo->updatePixmapMask(mask);
    update();
    emit contentEdited();
}

void PictureContent::clearCache()
{
    if (m_photo)
        m_photo->clearCache();
}

void PictureContent::waitForRender()
{
    if (m_photo)
        m_photo->waitForRender();
}

QStringList PictureContent::missingPaths() const
{
    if (!m_placeholder)
        return {};
    QStringList paths = m_filePaths;
    if (!m_relativeFilePath.isEmpty())
        paths << m_relativeFilePath;
    return paths;
}

bool PictureContent::dropUrls(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || !QFile::exists(path))
            continue;
        if (loadFromFile(path, true, true, false)) {
            emit contentEdited();
            return true;
        }
    }
    return false;
}

QString PictureContent::contentName() const
{
    return tr("Picture");
}

bool PictureContent::contentOpaque() const
{
    return m_opaque;
}

int PictureContent::contentHeightForWidth(int width) const
{
    if (!m_photo || m_photo->width() < 1)
        return -1;
    // 64 bits: a tall photo times a wide rectangle passes the int range.
    const qint64 height = qint64(m_photo->height()) * width / m_photo->width();
    const qint64 low = std::numeric_limits<int>::min();
    const qint64 high = std::numeric_limits<int>::max();
    return int(qBound(low, height, high));
}

QPixmap PictureContent::toPixmap(const QSize& size, Qt::AspectRatioMode mode)
{
    if (!m_photo)
        return AbstractContent::toPixmap(size, mode);
    m_photo->waitForRender();
    return ratioScaledPixmap(m_photo.get(), size, mode);
}

void PictureContent::drawContent(QPainter* painter, const QRect& target, Qt::AspectRatioMode mode)
{
    if (!m_photo) {
        if (m_placeholder)
            drawPlaceholder(painter, target);
        return;
    }
    painter->save();
    if (mode == Qt::KeepAspectRatio || mode == Qt::KeepAspectRatioByExpanding) {
        const QSize size = m_photo->size().scaled(target.size(), mode);
        const QRect drawn(target.left() + (target.width() - size.width()) / 2,
            target.top() + (target.height() - size.height()) / 2, size.width(), size.height());
        painter->setRenderHints(
            QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::LosslessImageRendering, true);
        painter->setClipRect(target, Qt::ReplaceClip);
        painter->drawPixmap(drawn, *m_photo);
    } else if (beingTransformed()) {
        // While a handle is dragged the stale copy is only stretched. A
        // render that landed meanwhile emptied it: the photo's own copy,
        // or the photo, stands in rather than leaving the item blank.
        QPixmap stale = m_scaledPixmap;
        if (stale.isNull())
            stale = m_photo->shownPixmap();
        if (stale.isNull())
            stale = *m_photo;
        painter->drawPixmap(target, stale);
    } else {
        // The smooth copy is made by the photo's render thread; until it
        // lands the last copy (or the photo) is stretched, and the landing
        // repaints the item.
        const QSize size = target.size();
        if (m_scaledPixmap.size() != size) {
            m_photo->setShownSize(size);
            const QPixmap shown = m_photo->shownPixmap();
            if (shown.size() == size)
                m_scaledPixmap = shown;
            else if (RenderOpts::HQRendering)
                m_scaledPixmap = m_photo->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        if (m_scaledPixmap.size() == size)
            painter->drawPixmap(target.topLeft(), m_scaledPixmap);
        else if (!m_scaledPixmap.isNull())
            painter->drawPixmap(target, m_scaledPixmap);
        else
            painter->drawPixmap(target, *m_photo);
    }
    painter->restore();
}

void PictureContent::drawPlaceholder(QPainter* painter, const QRect& target) const
{
    painter->save();
    painter->fillRect(target, QColor(128, 128, 128));
    painter->setPen(QPen(QColor(90, 90, 90), 2));
    painter->drawRect(target.adjusted(1, 1, -1, -1));
    const QStringList missing = missingPaths();
    const QString name = missing.isEmpty() ? QString() : QFileInfo(missing.first()).fileName();
    painter->setPen(Qt::white);
    painter->drawText(target.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWrapAnywhere, name);
    painter->restore();
}

void PictureContent::toXml(QDomElement& element, const QDir& projectDir) const
{
    AbstractContent::toXml(element, projectDir);
    element.setTagName(QStringLiteral("picture"));
    QDomDocument doc = element.ownerDocument();

    bool relativeConsidered = false;
    for (const QString& path : m_filePaths) {
        if (!relativeConsidered && !isRemote(path)) {
            relativeConsidered = true;
            // A placeholder writes back what it read, nothing derived.
            QString relative = m_relativeFilePath;
            if (relative.isEmpty() && !m_placeholder)
                relative = projectDir.relativeFilePath(path);
            if (!relative.isEmpty()) {
                QDomElement rel = doc.createElement(QStringLiteral("relativeFilePath"));
                rel.appendChild(doc.createTextNode(relative));
                element.appendChild(rel);
            }
        }
        QDomElement url = doc.createElement(QStringLiteral("fileUrl"));
        url.appendChild(doc.createTextNode(path));
        element.appendChild(url);
    }
    // A placeholder whose only source was its relative path.
    if (!relativeConsidered && m_placeholder && !m_relativeFilePath.isEmpty()) {
        QDomElement rel = doc.createElement(QStringLiteral("relativeFilePath"));
        rel.appendChild(doc.createTextNode(m_relativeFilePath));
        element.appendChild(rel);
    }

    QDomElement effectsElement = doc.createElement(QStringLiteral("effects"));
    const PictureEffectList all = m_pendingEffects + effects();
    for (const QSharedPointer<PictureEffect>& record : all) {
        QDomElement e = doc.createElement(QStringLiteral("effect"));
        e.setAttribute(QStringLiteral("type"), record->effect);
        e.setAttribute(QStringLiteral("param"), record->param);
        e.setAttribute(QStringLiteral("enable"), record->enable ? 1 : 0);
        effectsElement.appendChild(e);
    }
    element.appendChild(effectsElement);
}

bool PictureContent::fromXml(QDomElement& element, const QDir& projectDir)
{
    AbstractContent::fromXml(element, projectDir);

    m_pendingEffects.clear();
    const QDomElement effectsElement = element.firstChildElement(QStringLiteral("effects"));
    for (QDomElement e = effectsElement.firstChildElement(QStringLiteral("effect")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("effect"))) {
        bool ok = false;
        int code = e.attribute(QStringLiteral("type")).toInt(&ok);
        if (!ok)
            code = 0;
        const double param = e.attribute(QStringLiteral("param")).toDouble();
        const bool enable = e.attribute(QStringLiteral("enable")).toInt() != 0;
        auto record = QSharedPointer<PictureEffect>::create(code, param, enable);
        if (code == PictureEffect::Opacity) {
            record->param = heldOpacity(param);
            setContentOpacity(record->param);
        }
        m_pendingEffects.append(record);
    }

    const NamedFiles named = namedFiles(element);
    m_relativeFilePath = named.relative;
    m_filePaths = named.paths;

    const bool loaded = loadNamedFiles(projectDir);
    // It served this read only; what it holds untaken goes now.
    m_prefetch.reset();
    if (loaded)
        return true;
    // Kept as a placeholder so that saving again does not drop the picture.
    m_placeholder = !m_filePaths.isEmpty() || !m_relativeFilePath.isEmpty();
    update();
    return false;
}

QList<PicturePrefetch::Candidate> PictureContent::fileCandidates(const QDomElement& element, const QDir& projectDir)
{
    const NamedFiles named = namedFiles(element);
    QList<PicturePrefetch::Candidate> candidates;
    for (const QString& path : named.paths)
        candidates.append({path, path});
    if (!named.relative.isEmpty()) {
        candidates.append(
            {projectDir.filePath(named.relative), QDir::cleanPath(projectDir.filePath(named.relative))});
    }
    return candidates;
}

std::shared_ptr<PicturePrefetch> PictureContent::prefetch(const QDomElement& element, const QDir& projectDir)
{
    // The same reader as readFile(): orientation, limits and checks alike.
    return std::make_shared<PicturePrefetch>(fileCandidates(element, projectDir),
        [](const QString& path, QString* error) { return IQImageIO::readImage(path, error); });
}

bool PictureContent::loadNamedFiles(const QDir& projectDir)
{
    m_fileProblems.clear();
    for (const QString& path : std::as_const(m_filePaths)) {
        if (loadNamedFile(path))
            return true;
    }
    if (!m_relativeFilePath.isEmpty()) {
        // Checked under the folder's own spelling, read cleaned, as the
        // prefetch does.
        const QString lookedFor = projectDir.filePath(m_relativeFilePath);
        const QString absolute = QDir::cleanPath(lookedFor);
        if (!QFileInfo(lookedFor).isFile()) {
            m_fileProblems.append({absolute, QFileInfo::exists(lookedFor) ? tr("It is not a regular file.") : QString()});
        } else if (loadNamedFile(absolute)) {
            m_filePaths.append(absolute);
            return true;
        }
    }
    return false;
}

bool PictureContent::loadNamedFile(const QString& path)
{
    // Only regular files: opening a FIFO named by a project would block.
    const QFileInfo info(path);
    if (!info.isFile()) {
        m_fileProblems.append({path, info.exists() ? tr("It is not a regular file.") : QString()});
        return false;
    }
    QString error;
    const QImage image = readFile(path, &error);
    if (!image.isNull() && installPhoto(std::make_unique<CPixmap>(image), path, false, false, true)) {
        m_fileProblems.clear();
        return true;
    }
    // A reader that gives no reason still failed to read it.
    m_fileProblems.append({path, error.isEmpty() ? IQImageIO::damagedMessage() : error});
    return false;
}

QMap<QString, QWidget*> PictureContent::createContentWidget()
{
    auto* panel = new PictureProperties;
    Ui::PictureProperties* form = panel->form();
    connect(form->flipButn, &QAbstractButton::clicked, this, &PictureContent::flipHorizontally);
    connect(form->invertButn, &QAbstractButton::clicked, this, &PictureContent::flipVertically);
    connect(form->finetuneWidget, &FinetuneWidget::valueChanged, this,
        [this](FinetuneWidget::FinetuneType type, int value) { emitFinetune(type, value); });
    fillPanel(panel);
    m_panel = panel;
    return {{tr("Fine-tuning"), panel}};
}

void PictureContent::fillPanel(PictureProperties* panel) const
{
    FinetuneWidget* finetune = panel->form()->finetuneWidget;
    panel->setEnabled(m_photo != nullptr);
    if (!m_photo) {
        finetune->restore();
        return;
    }
    // 64 bits: a large photo's width times height passes the int range.
    const qint64 pixels = qint64(m_photo->width()) * m_photo->height();
    finetune->setAcceptContinuesValue(pixels < LiveFinetuneLimit);
    // Held to the rows' ranges, then truncated: a file may hold any double,
    // and one past the int range has no int to truncate to.
    const PictureEffectList records = m_photo->effects();
    for (int t = 0; t < FinetuneWidget::TypeCount; ++t) {
        const PictureEffect& record = *records.at(t);
        finetune->setValue(FinetuneWidget::FinetuneType(t), PictureEffect::fineTuneValue(record.effect, record.param),
            true);
    }
}

void PictureContent::emitFinetune(int type, int value)
{
    switch (type) {
    case FinetuneWidget::Saturation:
        emit saturation(value);
        break;
    case FinetuneWidget::Contrast:
        emit contrast(value);
        break;
    case FinetuneWidget::Brightness:
        emit brightness(value);
        break;
    case FinetuneWidget::Sharpness:
        emit sharpness(value);
        break;
    case FinetuneWidget::Temperature:
        emit temperature(value);
        break;
    case FinetuneWidget::Tint:
        emit tint(value);
        break;
    default:
        break;
    }
}

void PictureContent::showContextMenu(const QPoint& screenPos)
{
    QMenu menu;
    QAction* front = menu.addAction(QIcon(QStringLiteral(":/data/action-order-front24.png")), tr("To Front"));
    QAction* raise = menu.addAction(QIcon(QStringLiteral(":/data/action-order-raise24.png")), tr("Raise"));
    QAction* lower = menu.addAction(QIcon(QStringLiteral(":/data/action-order-lower24.png")), tr("Lower"));
    QAction* back = menu.addAction(QIcon(QStringLiteral(":/data/action-order-back24.png")), tr("To Back"));
    menu.addSeparator();
    QAction* flipH = menu.addAction(QIcon(QStringLiteral(":/data/action-flip-horizontal24.png")), tr("Flip H"));
    QAction* flipV = menu.addAction(QIcon(QStringLiteral(":/data/action-flip-vertical24.png")), tr("Flip V"));
    menu.addSeparator();
    QAction* remove = menu.addAction(QIcon(QStringLiteral(":/data/action-delete.png")), tr("Remove"));

    // Dispatched here rather than through triggered(), so that a chosen
    // action acts once whether the menu ran or a test answered for it.
    QAction* chosen = ModalPrompts::execMenu(&menu, screenPos);
    if (chosen == front)
        slotStackFront();
    else if (chosen == raise)
        slotStackRaise();
    else if (chosen == lower)
        slotStackLower();
    else if (chosen == back)
        slotStackBack();
    else if (chosen == flipH)
        emit flipHorizontally();
    else if (chosen == flipV)
        emit flipVertically();
    else if (chosen == remove)
        emit requestRemoval();
}

void PictureContent::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    // A double click on a picture opens nothing.
    event->accept();
}

void PictureContent::dragEnterEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(event->mimeData() && event->mimeData()->hasUrls());
}

void PictureContent::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    // Left unaccepted when nothing loads: the canvas takes the drop then.
    const bool loaded = event->mimeData() && dropUrls(event->mimeData()->urls());
    event->setAccepted(loaded);
}

void PictureContent::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    if (scene())
        scene()->clearSelection();
    setSelected(true);
    showContextMenu(event->screenPos());
    event->accept();
}
