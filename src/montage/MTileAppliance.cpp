#include "montage/MTileAppliance.h"

#include "appframe/Settings.h"
#include "appframe/Workflow.h"
#include "montage/engine/IQZorivuvEngine.h"
#include "montage/engine/IQZorivuvParam.h"
#include "montage/engine/IQZorivuvThread.h"
#include "modebase/ModeBusyRun.h"
#include "filebrowser/IQThumbsViewer.h"
#include "files/IQThumbnailItem.h"
#include "widgets/QWaitingDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

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

} // namespace

MTileAppliance::MTileAppliance(QObject* parent)
    : ModePhotoListAppliance(parent)
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
    topbarAddWidget(ui.rightBox, true, -1);

    for (QToolButton* button : {ui.bHome, ui.bPicture, ui.bRemovePicture})
        button->setStyleSheet(QLatin1String(toolButtonStyle));
    ui.bRemovePicture->setEnabled(false);
    configurePhotoList("tileScene", listStyle, ui.countLabel);
}

MTileAppliance::~MTileAppliance()
{
    // The main window adopted the bars; without this each montage road
    // would leave them behind in it.
    StepFormParts::deleteLentBoxes(ui);
    delete m_host;
}

void MTileAppliance::listChanged()
{
    const int count = thumbsViewer()->sourceCount();
    ui.nextButton->setEnabled(count >= 1);
    // Rows removed with the selection leave nothing to remove.
    ui.bRemovePicture->setEnabled(count > 0 && thumbsViewer()->selectedCount() > 0);
}

QString MTileAppliance::applianceName() const
{
    return QStringLiteral("Zorivuv");
}

bool MTileAppliance::appliancePendingChanges() const
{
    return false;
}

void MTileAppliance::slotAddPicture()
{
    askForPhotos(&Settings::zorivuvPicturesDir, &Settings::setZorivuvPicturesDir);
}

void MTileAppliance::slotRemovePicture()
{
    thumbsViewer()->removeSelected({});
}

void MTileAppliance::slotZorivuv()
{
    const QStringList paths = pathsOf(thumbsViewer()->getAllThumbnails(false));
    if (paths.isEmpty())
        return;

    IQZorivuvEngine::globalInstance()->tilePaths = paths;
    m_runTileCount = int(paths.size());

    IQZorivuvParam param;
    param.makeDefault();
    runMontage(&param, this, [this](QImage mosaic, QImage mask, int errorCode, int leftOut) {
        slotZorivuvFinished(std::move(mosaic), std::move(mask), errorCode, leftOut);
    });
}

void MTileAppliance::runMontage(const IQZorivuvParam* param, QObject* context,
    std::function<void(QImage, QImage, int, int)> onResult)
{
    auto* thread = new IQZorivuvThread(IQZorivuvEngine::globalInstance(), param, QImage());
    QObject::connect(thread, &IQZorivuvThread::zorivuvFinished, context, std::move(onResult));
    ModeBusyRun run(thread);
    run.showProgress([thread] { thread->cancel(); });
    QObject::connect(thread, &IQZorivuvThread::progress, run.dialog(), &QWaitingDialog::setProgress);
    run.exec();
}

bool MTileAppliance::montageSucceeded(ModeAppliance* step, const QImage& mosaic, int errorCode)
{
    if (errorCode == IQZorivuvEngine::Cancelled)
        return false; // the user stopped it; the step stays as it was
    // A run that claims success without a mosaic must not pass silently.
    if (errorCode != IQZorivuvEngine::Success || mosaic.isNull()) {
        step->reportLater(QMessageBox::Critical, runFailureText(errorCode));
        return false;
    }
    return true;
}

void MTileAppliance::slotZorivuvFinished(QImage mosaic, QImage mask, int errorCode, int leftOut)
{
    Q_UNUSED(mask);
    if (!montageSucceeded(this, mosaic, errorCode))
        return;
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
