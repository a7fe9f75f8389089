#include "modebase/ModePhotoListAppliance.h"

#include "appframe/Settings.h"
#include "filebrowser/IQFileController.h"
#include "filebrowser/IQThumbsViewer.h"
#include "files/IQCommon.h"
#include "files/IQImageFileItem.h"
#include "widgets/FloatingWidgetContainer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSet>

namespace {

// One photo reached through two paths ("./" forms, symbolic links) is one
// photo; names differing only in case are two photos on this system.
QString identity(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

ModePhotoListAppliance::ModePhotoListAppliance(QObject* parent)
    : ModeAppliance(parent)
{
}

ModePhotoListAppliance::~ModePhotoListAppliance()
{
    // The main window adopted the list; without this each road would leave
    // it, thumbnails and all, behind in it.
    delete m_sceneContainer;
}

void ModePhotoListAppliance::configurePhotoList(const char* sceneName, const char* listStyle, QLabel* countLabel)
{
    m_countLabel = countLabel;
    m_sceneContainer = new FloatingWidgetContainer(nullptr);
    m_sceneContainer->setObjectName(QLatin1String(sceneName));
    auto* layout = new QHBoxLayout(m_sceneContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_thumbsViewer = new IQThumbsViewer(m_sceneContainer);
    m_thumbsViewer->setObjectName(QStringLiteral("thumbsViewer"));
    m_thumbsViewer->setLoadingIcon(QStringLiteral(":/data/icon_loading.png"));
    m_thumbsViewer->setLoadFailedIcon(QStringLiteral(":/data/icon_loading_error.png"));
    m_thumbsViewer->setStyleSheet(QLatin1String(listStyle));
    // Every read-out is worked out from the counts as they are, so either
    // signal may update all of them.
    connect(m_thumbsViewer, &IQThumbsViewer::selectionCountChanged, this, [this](int) {
        showCounts();
        listChanged();
    });
    connect(m_thumbsViewer, &IQThumbsViewer::countChanged, this, [this](int) {
        showCounts();
        listChanged();
    });
    showCounts();

    layout->addWidget(m_thumbsViewer);
    sceneSet(m_sceneContainer, nullptr, nullptr);
}

void ModePhotoListAppliance::showCounts()
{
    if (!m_countLabel || !m_thumbsViewer)
        return;
    const int count = m_thumbsViewer->sourceCount();
    const int selected = m_thumbsViewer->selectedCount();
    if (count == 0)
        m_countLabel->setText(tr("No files"));
    else if (selected == 0)
        m_countLabel->setText(tr("%1 file(s)").arg(count));
    else
        m_countLabel->setText(tr("%1 of %2 file(s) selected.").arg(selected).arg(count));
}

void ModePhotoListAppliance::setFocusToScene()
{
    if (m_thumbsViewer)
        m_thumbsViewer->setFocus(Qt::OtherFocusReason);
}

void ModePhotoListAppliance::removeFromApplianceContainer()
{
    PlugGui::AbstractAppliance::removeFromApplianceContainer();
}

int ModePhotoListAppliance::appendPhotos(const QStringList& paths)
{
    QSet<QString> listed;
    const auto items = m_thumbsViewer->getAllThumbnails(false);
    for (const auto& item : items)
        listed.insert(identity(item->path()));

    QList<std::shared_ptr<IQThumbnailItem>> added;
    for (const QString& path : paths) {
        const QString key = identity(path);
        if (listed.contains(key) || !IQCommon::isSupportedFile(path, IQCommon::ImageFilter))
            continue;
        // Also keeps one row for a photo chosen twice at once.
        listed.insert(key);
        added.append(std::make_shared<IQImageFileItem>(path));
    }
    if (!added.isEmpty())
        m_thumbsViewer->addThumbs(added);
    return int(added.size());
}

void ModePhotoListAppliance::askForPhotos(QString (Settings::*dir)(), void (Settings::*setDir)(QString))
{
    Settings* settings = Settings::defaultSettings();
    QList<QString> files;
    const int result = IQFileController::openFileDialog(nullptr, files, IQCommon::ImageFilter, (settings->*dir)(),
        QFileDialog::ExistingFiles);
    if (result != QDialog::Accepted || files.isEmpty())
        return;
    QPointer<ModePhotoListAppliance> self(this);
    appendPhotos(files);
    if (self)
        (settings->*setDir)(QFileInfo(files.first()).path());
}

QStringList ModePhotoListAppliance::pathsOf(const QList<std::shared_ptr<IQThumbnailItem>>& items)
{
    QStringList paths;
    for (const auto& item : items)
        paths.append(item->path());
    return paths;
}
