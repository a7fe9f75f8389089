#include "panorama/PanoramaAppliance.h"

#include "appframe/Container.h"
#include "appframe/ModalPrompts.h"
#include "appframe/Settings.h"
#include "appframe/Workflow.h"
#include "panorama/engine/IQPanoramaEngineController.h"
#include "panorama/engine/IQStitchThread.h"
#include "modebase/ModeBusyRun.h"
#include "filebrowser/IQThumbsViewer.h"
#include "files/IQThumbnailItem.h"
#include "widgets/PixmapTextButton.h"
#include "widgets/QToolBoxWidget.h"
#include "widgets/QWaitingDialog.h"

#include <QButtonGroup>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

const char* const listStyle = "QListView{background-color: transparent;border:1px solid black}";

} // namespace

PanoramaAppliance::PanoramaAppliance(QObject* parent)
    : ModePhotoListAppliance(parent)
    , m_host(new QWidget)
{
    ui.setupUi(m_host);

    connect(ui.bHome, &QAbstractButton::clicked, this, [] {
        // Nothing to save here: back to the home level.
        if (App::workflow)
            App::workflow->scheduleCommand(Workflow::Command {Workflow::CloseDownTo, QVariant(0)});
    });
    connect(ui.bPicture, &QAbstractButton::clicked, this, &PanoramaAppliance::slotAddPicture);

    auto* sizeBox = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    sizeBox->addWidget(tr("Size"), ui.sizeWidget, true);
    ui.scrollLayout->addWidget(sizeBox);
    auto* styleBox = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    styleBox->addWidget(tr("Style"), ui.styleWidget, true);
    ui.scrollLayout->addWidget(styleBox);
    ui.scrollLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));

    m_styleGroup = new QButtonGroup;
    const struct {
        PixmapTextButton* button;
        const char* pixmap;
    } styles[] = {
        {ui.horButton, ":/data/ico_Stitch_H.png"},
        {ui.verButton, ":/data/ico_Stitch_V.png"},
        {ui.fullButton, ":/data/ico_Stitch_360.png"},
        {ui.tileButton, ":/data/ico_Stitch_Tile.png"},
    };
    for (int id = 0; id < 4; ++id) {
        PixmapTextButton* button = styles[id].button;
        button->setFixedSize(212, 40);
        button->setPixmap(QPixmap(QLatin1String(styles[id].pixmap)));
        button->setCheckable(true);
        m_styleGroup->addButton(button, id);
    }
    ui.horButton->setChecked(true);
    connect(m_styleGroup, &QButtonGroup::idToggled, this, &PanoramaAppliance::slotStitchToggled);
    slotStitchToggled(Horizontal, true);

    m_sizeGroup = new QButtonGroup;
    m_sizeGroup->addButton(ui.largeChckButn, 0);
    m_sizeGroup->addButton(ui.mediumChckButn, 1);
    m_sizeGroup->addButton(ui.smallChckButn, 2);
    ui.largeChckButn->setChecked(true);
    connect(m_sizeGroup, &QButtonGroup::idToggled, this, &PanoramaAppliance::slotSizeToggled);

    ui.nextButton->setEnabled(false);
    connect(ui.nextButton, &QPushButton::clicked, this, &PanoramaAppliance::slotStitch);

    windowTitleSet(applianceName());
    ui.addContentBox->setProperty("@onTopbar", true);
    topbarAddWidget(ui.addContentBox, false, -1);
    rightbarAddWidget(ui.canvasPropertiesBox, -1);
    bottomBarAddWidget(ui.bottomWidget, -1);
    topbarAddWidget(ui.rightBox, true, -1);

    configurePhotoList("panoramaScene", listStyle, ui.countLabel);
}

PanoramaAppliance::~PanoramaAppliance()
{
    if (m_stitch) {
        // Its result has nowhere to go; the engine must not die under it.
        m_stitch->cancel();
        m_stitch->wait();
    }
    // The engine's temporary folder goes with it.
    IQPanoramaEngineController::globalInstance()->releaseEngine();
    // The main window adopted the bars; without this each panorama road
    // would leave them behind in it.
    StepFormParts::deleteLentBoxes(ui);
    delete m_styleGroup;
    delete m_sizeGroup;
    delete m_host;
}

void PanoramaAppliance::listChanged()
{
    ui.nextButton->setEnabled(thumbsViewer()->selectedCount() >= 2);
}

QString PanoramaAppliance::applianceName() const
{
    return QStringLiteral("Panorama");
}

bool PanoramaAppliance::appliancePendingChanges() const
{
    return false;
}

QString PanoramaAppliance::styleHint(int style)
{
    switch (style) {
    case Horizontal:
        return tr("For horizontal panoramas, you need to select 2 or more photos.");
    case Vertical:
        return tr("For vertical panoramas, you need to select 2 or more photos.");
    case Full360:
        return tr("For 360-degree panoramas, you need to select 6 or more photos.");
    case Tile:
        return tr("For tile panoramas, you need to select 4 to 16 photos.");
    default:
        return QString();
    }
}

QString PanoramaAppliance::countWarning(int style, int count)
{
    switch (style) {
    case Horizontal:
    case Vertical:
        return count < 2 ? styleHint(style) : QString();
    case Full360:
        return count < 6 ? styleHint(style) : QString();
    case Tile:
        if (count < 4 || count > 16)
            return styleHint(style);
        // A grid of two rows takes an even count, three rows 9; the library
        // refuses the others rather than leave a photo out.
        if (count == 5 || count == 7 || count == 11 || count == 13 || count == 15)
            return tr("The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.");
        return QString();
    default:
        return QString();
    }
}

QString PanoramaAppliance::failureText(int code)
{
    switch (code) {
    case -8:
        return tr("The selected photos do not have the same pixel size and therefore cannot be stitched.");
    case -3:
        return tr("Some selected photos are not supported or damaged.");
    case -7:
        return tr("The selected photos are too small.");
    case -6:
        return tr("Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each "
                  "sharing about a third of its view with the next.");
    default:
        return tr("Stitching failed.");
    }
}

QString PanoramaAppliance::refusedPhotoText(const QString& path, const QString& reason)
{
    QString text = failureText(-3) + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    return text;
}

void PanoramaAppliance::slotStitchToggled(int id, bool checked)
{
    if (checked && id >= Horizontal && id <= Tile)
        ui.stitchingLabel->setText(styleHint(id));
}

void PanoramaAppliance::slotSizeToggled(int, bool)
{
    // The size is read when the next stitch starts.
}

void PanoramaAppliance::addPhotos(const QStringList& paths)
{
    // addThumbs processes events; the appliance may be gone after it.
    QPointer<PanoramaAppliance> self(this);
    appendPhotos(paths);
    if (self && thumbsViewer()->sourceCount() > 0)
        thumbsViewer()->selectAll();
}

void PanoramaAppliance::slotAddPicture()
{
    askForPhotos(&Settings::panoramaPicturesDir, &Settings::setPanoramaPicturesDir);
}

void PanoramaAppliance::slotStitch()
{
    const QStringList paths = pathsOf(thumbsViewer()->getSelectedThumbs());
    if (paths.isEmpty())
        return;

    const int style = m_styleGroup->checkedId();
    const QString warning = countWarning(style, int(paths.size()));
    if (!warning.isEmpty()) {
        ModalPrompts::message(QMessageBox::Warning, applianceContainer(), QGuiApplication::applicationDisplayName(),
            warning, QMessageBox::Ok);
        return;
    }

    const int size = m_sizeGroup->checkedId();
    IQPanoramaEngineController* controller = IQPanoramaEngineController::globalInstance();
    controller->releaseEngine();
    controller->createEngine(tagStitchStyle(style), tagStitchOutputSize(size));

    m_releaseEngine = false;
    auto* thread = new IQStitchThread(controller, paths);
    m_stitch = thread;
    m_refusedPhoto.clear();
    m_refusedReason.clear();
    connect(thread, &IQStitchThread::photoRefused, this, [this](const QString& path, const QString& reason) {
        m_refusedPhoto = path;
        m_refusedReason = reason;
    });
    connect(thread, &IQStitchThread::threadFinished, this, &PanoramaAppliance::slotStitchFinished);

    ModeBusyRun run(thread);
    run.showProgress([thread] { thread->cancel(); });
    QWaitingDialog* busy = run.dialog();
    busy->setProgress(0, 100);
    connect(thread, &IQStitchThread::progressChanged, busy, [busy](int percent) { busy->setProgress(percent, 100); });
    // The result is handled before this; the engine is released only once
    // the worker no longer uses it.
    run.onEnded([this] {
        if (m_releaseEngine)
            IQPanoramaEngineController::globalInstance()->releaseEngine();
        m_releaseEngine = false;
    });
    run.exec();
}

void PanoramaAppliance::slotStitchFinished(QImage image, int errorCode)
{
    // The engine goes once the worker has ended, with its photos, files and
    // the whole panorama: the retouch step holds its own crop, and after a
    // failure the list and selection stay for another try.
    m_releaseEngine = true;
    if (!m_stitch || m_stitch->isFinished()) {
        IQPanoramaEngineController::globalInstance()->releaseEngine();
        m_releaseEngine = false;
    }
    if (!image.isNull() && errorCode == 0) {
        if (App::workflow)
            App::workflow->scheduleCommand(Workflow::Command {Workflow::OpenPanoramaRetouch, QVariant(image)});
        return;
    }
    if (errorCode == -1)
        return; // Cancelled by the user, who needs no message.
    if (errorCode == -3 && !m_refusedPhoto.isEmpty())
        reportLater(QMessageBox::Warning, refusedPhotoText(m_refusedPhoto, m_refusedReason));
    else
        reportLater(QMessageBox::Warning, failureText(errorCode));
}
