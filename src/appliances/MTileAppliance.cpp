#include "appliances/MTileAppliance.h"

#include "appframe/Container.h"
#include "appframe/ModalPrompts.h"
#include "appframe/Settings.h"
#include "appframe/Workflow.h"
#include "appliances/IQZorivuvEngine.h"
#include "appliances/IQZorivuvParam.h"
#include "appliances/IQZorivuvThread.h"
#include "files/IQCommon.h"
#include "files/IQFileController.h"
#include "files/IQImageFileItem.h"
#include "files/IQThumbsViewer.h"
#include "widgets/FloatingWidgetContainer.h"
#include "widgets/QWaitingDialog.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

const char* const toolButtonStyle
    = "QToolButton { background-color:#222222; color:white; border:1px solid #444444; border-radius:4px;}"
      "QToolButton:hover {background-color:#333333; border:1px solid #444444; border-radius:4px;}"
      "QToolButton:disabled {background-color:#222222; color:#646464;border:1px solid #444444; border-radius:4px;}";

const char* const listStyle
    = "QListView{background-color: transparent;border:1px solid black}"
      "QListView::Item{padding-top:0px; padding-bottom:0px; }"
      "QListView::Item:hover{background:rgb(79,79,79); }"
      "QListView::Item:selected{background:rgb(79,79,79); }"
      "QListView::item:selected:!active{background:rgb(49,49,49); }";

// One photo reached through two paths ("./" forms, symbolic links) is one
// photo; names differing in case are two on this system.
QString identity(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

MTileAppliance::MTileAppliance(QObject* parent)
    : QObject(parent)
    , m_host(new QWidget)
{
    ui.setupUi(m_host);

    connect(ui.bHome, &QToolButton::clicked, this, [] {
        if (App::workflow)
            App::workflow->popCurrentAppliance();
    });
    connect(ui.bPicture, &QToolButton::clicked, this, &MTileAppliance::slotAddPicture);
    connect(ui.bRemovePicture, &QToolButton::clicked, this, &MTileAppliance::slotRemovePicture);
    connect(ui.nextButton, &QPushButton::clicked, this, &MTileAppliance::slotZorivuv);
    ui.nextButton->setEnabled(false);

    windowTitleSet(applianceName());
    topbarAddWidget(ui.addContentBox, false, -1);
    bottomBarAddWidget(ui.bottomWidget, -1);
    ui.countLabel->setText(tr("No files"));
    topbarAddWidget(ui.rightBox, true, -1);

    configureAppliance();
}

MTileAppliance::~MTileAppliance()
{
    // The main window adopted the bars and the list; without this each
    // montage road would leave them, thumbnails and all, behind in it.
    delete ui.addContentBox;
    delete ui.rightBox;
    delete ui.bottomWidget;
    delete m_sceneContainer;
    delete m_host;
}

void MTileAppliance::configureAppliance()
{
    m_sceneContainer = new FloatingWidgetContainer(nullptr);
    m_sceneContainer->setObjectName(QStringLiteral("tileScene"));
    auto* layout = new QHBoxLayout(m_sceneContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_thumbsViewer = new IQThumbsViewer(m_sceneContainer);
    m_thumbsViewer->setObjectName(QStringLiteral("thumbsViewer"));
    m_thumbsViewer->setLoadingIcon(QStringLiteral(":/data/icon_loading.png"));
    m_thumbsViewer->setLoadFailedIcon(QStringLiteral(":/data/icon_loading_error.png"));
    m_thumbsViewer->setStyleSheet(QLatin1String(listStyle));

    for (QToolButton* button : {ui.bHome, ui.bPicture, ui.bRemovePicture})
        button->setStyleSheet(QLatin1String(toolButtonStyle));
    ui.bRemovePicture->setEnabled(false);

    connect(m_thumbsViewer, &IQThumbsViewer::selectionCountChanged, this, [this](int) {
        showCounts();
        ui.bRemovePicture->setEnabled(m_thumbsViewer->sourceCount() > 0 && m_thumbsViewer->selectedCount() > 0);
    });
    connect(m_thumbsViewer, &IQThumbsViewer::countChanged, this, [this](int) {
        showCounts();
        ui.nextButton->setEnabled(m_thumbsViewer->sourceCount() >= 1);
        // Rows removed with the selection leave nothing to remove.
        ui.bRemovePicture->setEnabled(m_thumbsViewer->sourceCount() > 0 && m_thumbsViewer->selectedCount() > 0);
    });

    layout->addWidget(m_thumbsViewer);
    sceneSet(m_sceneContainer, nullptr, nullptr);
}

void MTileAppliance::showCounts()
{
    const int count = m_thumbsViewer->sourceCount();
    const int selected = m_thumbsViewer->selectedCount();
    if (count == 0)
        ui.countLabel->setText(tr("No files"));
    else if (selected == 0)
        ui.countLabel->setText(tr("%1 file(s)").arg(count));
    else
        ui.countLabel->setText(tr("%1 of %2 file(s) selected.").arg(selected).arg(count));
}

QString MTileAppliance::applianceName() const
{
    return QStringLiteral("Zorivuv");
}

bool MTileAppliance::appliancePendingChanges() const
{
    return false;
}

void MTileAppliance::setFocusToScene()
{
    if (m_thumbsViewer)
        m_thumbsViewer->setFocus(Qt::OtherFocusReason);
}

void MTileAppliance::removeFromApplianceContainer()
{
    PlugGui::AbstractAppliance::removeFromApplianceContainer();
}

void MTileAppliance::slotAddPicture()
{
    Settings* settings = Settings::defaultSettings();
    QList<QString> files;
    const int result = IQFileController::openFileDialog(nullptr, files, IQCommon::ImageFilter,
        settings->zorivuvPicturesDir(), QFileDialog::ExistingFiles);
    if (result != QDialog::Accepted || files.isEmpty())
        return;

    QSet<QString> listed;
    const auto items = m_thumbsViewer->getAllThumbnails(false);
    for (const auto& item : items)
        listed.insert(identity(item->path()));

    QList<std::shared_ptr<IQThumbnailItem>> added;
    for (const QString& file : std::as_const(files)) {
        const QString key = identity(file);
        if (listed.contains(key) || !IQCommon::isSupportedFile(file, IQCommon::ImageFilter))
            continue;
        // Also keeps one row for a photo chosen twice in this dialog.
        listed.insert(key);
        added.append(std::make_shared<IQImageFileItem>(file));
    }
    // addThumbs processes events; the appliance may be gone after it.
    QPointer<MTileAppliance> self(this);
    if (!added.isEmpty())
        m_thumbsViewer->addThumbs(added);
    if (self)
        settings->setZorivuvPicturesDir(QFileInfo(files.first()).path());
}

void MTileAppliance::slotRemovePicture()
{
    m_thumbsViewer->removeSelected({});
}

void MTileAppliance::slotZorivuv()
{
    QList<QString> paths;
    const auto items = m_thumbsViewer->getAllThumbnails(false);
    for (const auto& item : items)
        paths.append(item->path());
    if (paths.isEmpty())
        return;

    IQZorivuvEngine* engine = IQZorivuvEngine::globalInstance();
    engine->tilePaths = paths;
    m_runTileCount = int(paths.size());

    IQZorivuvParam param;
    param.makeDefault();

    QWaitingDialog busy(nullptr);
    busy.showProgress();
    QPointer<IQZorivuvThread> thread = new IQZorivuvThread(engine, &param, QImage());
    // The thread deletes itself after finished(); close() is queued behind
    // the result, so exec() returns once it was handled.
    connect(thread, &IQZorivuvThread::zorivuvFinished, this, &MTileAppliance::slotZorivuvFinished);
    connect(thread, &IQZorivuvThread::progress, &busy, &QWaitingDialog::setProgress);
    connect(thread, &QThread::finished, &busy, &QWidget::close);
    connect(&busy, &QWaitingDialog::cancelRequested, this, [thread] {
        if (thread)
            thread->cancel();
    });
    thread->start(QThread::InheritPriority);
    busy.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    busy.exec();
}

void MTileAppliance::slotZorivuvFinished(QImage mosaic, QImage mask, int errorCode, int leftOut)
{
    Q_UNUSED(mask);
    switch (errorCode) {
    case IQZorivuvEngine::Success: {
        if (mosaic.isNull()) {
            // A run that claims success without a mosaic must not pass
            // silently.
            reportLater(QMessageBox::Critical, runFailureText(errorCode));
            return;
        }
        // Moved in: a large mosaic is not held twice.
        const QPixmap pixmap = QPixmap::fromImage(std::move(mosaic));
        if (pixmap.isNull()) {
            reportLater(QMessageBox::Critical, tr("Not enough memory."));
            return;
        }
        if (App::workflow)
            App::workflow->scheduleCommand(Workflow::Command {Workflow::OpenZorivuvResult, QVariant(pixmap)});
        if (leftOut > 0)
            reportLater(QMessageBox::Information, leftOutText(leftOut, m_runTileCount));
        return;
    }
    case IQZorivuvEngine::Cancelled:
        // The user stopped it; step 2 stays as it was.
        return;
    default:
        reportLater(QMessageBox::Critical, runFailureText(errorCode));
        return;
    }
}

QString MTileAppliance::runFailureText(int code)
{
    switch (code) {
    case IQZorivuvEngine::PaintFailed:
        return tr("Not enough memory.");
    case IQZorivuvEngine::NoTilePhoto:
        return tr("None of the tile photos could be read.");
    default:
        return tr("Unknown error happened.");
    }
}

QString MTileAppliance::leftOutText(int leftOut, int tileCount)
{
    return tr("%1 of %2 tile photos could not be read and were left out.").arg(leftOut).arg(tileCount);
}

void MTileAppliance::reportLater(QMessageBox::Icon icon, const QString& text)
{
    QTimer::singleShot(messageDelayMsecs, this, [this, icon, text] {
        ModalPrompts::message(icon, applianceContainer(), QGuiApplication::applicationDisplayName(), text,
            QMessageBox::Ok);
    });
}
