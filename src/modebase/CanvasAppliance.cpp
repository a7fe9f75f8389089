#include "modebase/CanvasAppliance.h"

#include "appframe/Container.h"
#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "appframe/Settings.h"
#include "modebase/ModeBusyRun.h"
#include "modebase/PrintDialog.h"
#include "canvas/CPixmap.h"
#include "canvas/Canvas.h"
#include "canvas/FinetuneWidget.h"
#include "canvas/PictureContent.h"
#include "filebrowser/IQFileController.h"
#include "files/IQCommon.h"
#include "files/LoadImageThread.h"
#include "files/SaveImageThread.h"
#include "widgets/FloatingWidgetContainer.h"
#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"
#include "widgets/QToolBoxWidget.h"
#include "widgets/ZoomIndicatorOverlay.h"
#include "widgets/ZoomIndicatorOverlayProxy.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLayoutItem>
#include <QTimer>

PrintInfo CanvasAppliance::s_PrintInfo;

CanvasAppliance::CanvasAppliance(Canvas* canvas, QObject* parent)
    : ModeAppliance(parent)
    , m_canvas(canvas)
{
    configureScene(canvas);
}

CanvasAppliance::~CanvasAppliance()
{
    if (m_canvas)
        qWarning("CanvasAppliance::~CanvasAppliance: we still have a Canvas. take it before deleting this");
    // The overlay lives in the container: let the proxy go first, while the
    // container is still there for it to look at.
    delete m_zoomIndicator;
    m_zoomIndicator = nullptr;
    if (m_sceneView && m_canvas)
        m_sceneView->setScene(nullptr);
    delete m_sceneContainer;
    m_sceneContainer = nullptr;
    m_sceneView = nullptr;
}

void CanvasAppliance::configureScene(Canvas* canvas)
{
    m_sceneContainer = new FloatingWidgetContainer;
    auto* layout = new QHBoxLayout(m_sceneContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_sceneView = new SceneView;
    layout->addWidget(m_sceneView);

    m_canvas = canvas;
    m_sceneView->setScene(canvas);
    sceneSet(m_sceneContainer, m_sceneView, canvas);

    // The container may go with the window it was attached to before the
    // appliance goes; then there is nothing left to delete.
    connect(m_sceneContainer, &QObject::destroyed, this, [this] {
        m_sceneContainer = nullptr;
        m_sceneView = nullptr;
    });

    m_zoomIndicator = new ZoomIndicatorOverlayProxy(m_sceneContainer);
    connect(m_sceneView, &SceneView::viewScaleChanged, this, [this] {
        if (!m_zoomIndicator || !m_sceneView)
            return;
        m_zoomIndicator->setScale(m_sceneView->viewScale());
        m_zoomIndicator->show(zoomIndicatorMsecs);
    });
}

Canvas* CanvasAppliance::takeCanvas()
{
    Canvas* canvas = m_canvas;
    if (canvas)
        disconnect(canvas, nullptr, this, nullptr);
    m_canvas = nullptr;
    if (m_sceneView)
        m_sceneView->setScene(nullptr);
    return canvas;
}

AbstractScene* CanvasAppliance::takeScene()
{
    return takeCanvas();
}

void CanvasAppliance::removeFromApplianceContainer()
{
    PlugGui::AbstractAppliance::removeFromApplianceContainer();
    if (m_zoomIndicator)
        m_zoomIndicator->hide();
}

void CanvasAppliance::setFocusToScene()
{
    if (m_sceneView)
        m_sceneView->setFocus(Qt::OtherFocusReason);
}

void CanvasAppliance::connectContentButtons(QAbstractButton* picture, QAbstractButton* text, QAbstractButton* print)
{
    connect(picture, &QAbstractButton::clicked, this, &CanvasAppliance::slotAddPicture);
    connect(text, &QAbstractButton::clicked, this, &CanvasAppliance::slotAddText);
    connect(print, &QAbstractButton::clicked, this, &CanvasAppliance::slotPrint);
}

void CanvasAppliance::setPlainBackColor()
{
    if (!m_canvas)
        return;
    CanvasBackColor back;
    back.mode = 0;
    back.color = Qt::white;
    back.topColor = QColor(192, 192, 192);
    back.bottomColor = QColor(80, 80, 80);
    back.showGrid = false;
    m_canvas->setBackColor(back);
}

FinetuneWidget* CanvasAppliance::addPictureOptionPanels(QBoxLayout* column, QWidget* border)
{
    auto* finetune = new FinetuneWidget;
    finetune->setContentsMargins(12, 12, 12, 12);
    finetune->setEnabled(false);
    auto* finetuneBox = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    finetuneBox->addWidget(tr("Fine-tuning"), finetune, true);
    column->addWidget(finetuneBox);
    auto* borderBox = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    borderBox->addWidget(tr("Border"), border, true);
    column->addWidget(borderBox);
    return finetune;
}

void CanvasAppliance::resetFinetune(FinetuneWidget* finetune, const QSize& size)
{
    finetune->setValue(FinetuneWidget::Saturation, 0, true);
    finetune->setValue(FinetuneWidget::Contrast, 0, true);
    finetune->setValue(FinetuneWidget::Brightness, 0, true);
    finetune->setValue(FinetuneWidget::Sharpness, 0, true);
    finetune->setValue(FinetuneWidget::Temperature, 5000, true);
    finetune->setValue(FinetuneWidget::Tint, 10, true);
    // In 64 bits: a gigapixel picture must not wrap round into live updates.
    const qint64 pixels = qint64(size.width()) * qint64(size.height());
    finetune->setAcceptContinuesValue(pixels < liveFinetuneLimit);
    finetune->setEnabled(true);
}

bool CanvasAppliance::applianceCommand(int command)
{
    Q_UNUSED(command);
    return false;
}

bool CanvasAppliance::appliancePendingChanges() const
{
    return m_canvas && m_canvas->pendingChanges();
}

QImage CanvasAppliance::renderForOutput() const
{
    if (!m_canvas)
        return QImage();
    // Truncated toward zero: a scene of 1200.9 x 800.5 gives 1200 x 800.
    const QRectF scene = m_canvas->sceneRectangle();
    const QSize size(int(scene.width()), int(scene.height()));
    return m_canvas->renderedImage(size, Qt::KeepAspectRatio, true, QImage::Format_ARGB32);
}

void CanvasAppliance::runWorker(QThread* worker)
{
    ModeBusyRun(worker, dialogParent()).exec();
}

void CanvasAppliance::configureZoomBar(QDoubleSlider* slider, PixmapButton* fitIn, PixmapButton* actual)
{
    m_zoomSlider = slider;
    m_fitInButton = fitIn;
    m_actualButton = actual;
    slider->setRange(zoomMinimum, zoomMaximum);
    connect(slider, qOverload<double>(&QDoubleSlider::valueChanged), this, [this](double scale) {
        if (m_sceneView)
            m_sceneView->setViewScale(scale);
    });
    connect(m_sceneView, &SceneView::viewScaleChanged, this, &CanvasAppliance::syncZoomSlider);

    fitIn->setFixedSize(16, 16);
    fitIn->setPixmap(QPixmap(QStringLiteral(":/data/icon_fit_in.png")));
    fitIn->setToolTip(tr("Fit in"));
    connect(fitIn, &QAbstractButton::clicked, this, &CanvasAppliance::fitSceneInView);
    actual->setFixedSize(16, 16);
    actual->setPixmap(QPixmap(QStringLiteral(":/data/icon-actual_size.png")));
    actual->setToolTip(QStringLiteral("1:1"));
    connect(actual, &QAbstractButton::clicked, this, [this] {
        if (m_sceneView)
            m_sceneView->setViewScale(1.0);
        if (m_zoomSlider)
            m_zoomSlider->setValue(1.0, true);
    });
}

void CanvasAppliance::syncZoomSlider()
{
    if (m_sceneView && m_zoomSlider)
        m_zoomSlider->setValue(m_sceneView->viewScale(), true);
}

void CanvasAppliance::fitSceneInView()
{
    if (!m_sceneView)
        return;
    m_sceneView->fitIn();
    syncZoomSlider();
}

void CanvasAppliance::setZoomBarVisible(bool visible)
{
    for (QWidget* part : {static_cast<QWidget*>(m_zoomSlider), static_cast<QWidget*>(m_fitInButton),
             static_cast<QWidget*>(m_actualButton)}) {
        if (part)
            part->setVisible(visible);
    }
}

void CanvasAppliance::configurePropertyPanels(QWidget* panelBox, QLayout* panelLayout, QWidget* canvasBox)
{
    m_panelBox = panelBox;
    m_panelLayout = panelLayout;
    m_canvasBox = canvasBox;
    panelBox->hide();
    if (m_canvas)
        connect(m_canvas, &Canvas::showPropertiesWidget, this, &CanvasAppliance::slotShowPropertiesWidget);
}

void CanvasAppliance::slotShowPropertiesWidget(QWidget* panel)
{
    if (!m_panelBox || !m_panelLayout || !m_canvasBox)
        return;
    // One panel at a time: the one shown before goes.
    while (QLayoutItem* item = m_panelLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!panel) {
        m_panelBox->hide();
        m_canvasBox->show();
        return;
    }
    m_canvasBox->hide();
    panel->setParent(m_panelBox);
    m_panelLayout->addWidget(panel);
    panel->show();
    m_panelBox->show();
}

PictureContent* CanvasAppliance::backPicture() const
{
    return m_canvas ? m_canvas->backContent() : nullptr;
}

void CanvasAppliance::watchBackPicture()
{
    PictureContent* picture = backPicture();
    if (picture == m_watchedBackPicture)
        return;
    if (m_watchedBackPicture)
        disconnect(m_watchedBackPicture, nullptr, this, nullptr);
    m_watchedBackPicture = picture;
    if (!picture)
        return;
    // Renders land after the change that asked for them; the announcements
    // of one event-loop turn make one call.
    connect(picture, &AbstractContent::contentChanged, this, [this] {
        if (m_backPicturePending)
            return;
        m_backPicturePending = true;
        QTimer::singleShot(0, this, [this] {
            m_backPicturePending = false;
            if (backPicture() == m_watchedBackPicture)
                backPictureRendered();
        });
    });
}

void CanvasAppliance::slotAddPicture()
{
    if (!m_canvas)
        return;
    Settings* settings = Settings::defaultSettings();
    QList<QString> files;
    const int result = IQFileController::openFileDialog(dialogParent(), files, IQCommon::ImageFilter,
        settings->collagePicturesDir(), QFileDialog::ExistingFiles);
    if (result == QDialog::Accepted && !files.isEmpty()) {
        m_canvas->clearSelection();
        settings->setCollagePicturesDir(QFileInfo(files.first()).path());

        auto* worker = new LoadImageThread(files);
        // Results are queued to this thread and all handled before
        // runWorker() returns, so the list outlives every use.
        QStringList refused;
        connect(worker, &LoadImageThread::failed, this, [&refused](int, QString path, QString error) {
            const QString name = QFileInfo(path).fileName();
            refused << (error.isEmpty() ? name : QStringLiteral("%1: %2").arg(name, error));
        });
        connect(worker, &LoadImageThread::loaded, this, [this](int index, QString path, QImage image) {
            // An unreadable picture is skipped; the others keep the place
            // their index gives them.
            if (image.isNull() || !m_canvas)
                return;
            const QPoint offset(pictureStep * index, pictureStep * index);
            m_canvas->addPictureContent(path, image, m_canvas->visibleCenter() + offset);
        });
        runWorker(worker);
        if (!refused.isEmpty()) {
            const QString lead = refused.size() == 1 ? tr("This file could not be added:")
                                                     : tr("These files could not be added:");
            ModalPrompts::message(QMessageBox::Warning, dialogParent(), tr("Pictures not added"),
                lead + QLatin1Char('\n') + refused.join(QLatin1Char('\n')), QMessageBox::Ok);
        }
    }
    setFocusToScene();
}

void CanvasAppliance::slotAddText()
{
    if (m_canvas)
        m_canvas->addTextContent();
    setFocusToScene();
}

void CanvasAppliance::slotPrint()
{
    if (!m_canvas)
        return;
    const QImage image = renderForOutput();
    if (image.isNull()) {
        // The print dialog would otherwise print an empty page without a
        // word.
        ModalPrompts::message(QMessageBox::Critical, dialogParent(), QGuiApplication::applicationDisplayName(),
            tr("Not enough memory."), QMessageBox::Ok);
        return;
    }
    PrintDialog dialog(s_PrintInfo, dialogParent());
    dialog.setImage(image);
    ModalPrompts::execDialog(&dialog);
    // Accepted or not, the next print starts from these choices.
    s_PrintInfo = dialog.printInfo();
}

void CanvasAppliance::selectBackContent(std::function<void(int, const QString&, const QImage&)> onLoaded)
{
    Settings* settings = Settings::defaultSettings();
    QList<QString> files;
    const int result = IQFileController::openFileDialog(dialogParent(), files, IQCommon::ImageFilter,
        settings->backContentDir(), QFileDialog::ExistingFile);
    if (result != QDialog::Accepted || files.isEmpty())
        return;
    const QString file = files.first();
    settings->setBackContentDir(QFileInfo(file).path());

    auto* worker = new LoadImageThread(QList<QString>{file});
    // The callback is only reached while the busy dialog runs below, so a
    // reference to it is safe.
    connect(worker, &LoadImageThread::loaded, this, [&onLoaded](int index, QString path, QImage image) {
        if (image.isNull()) {
            ModalPrompts::message(QMessageBox::Warning, nullptr, tr("Error"), tr("Failed to load file."),
                QMessageBox::Ok);
            return;
        }
        if (onLoaded)
            onLoaded(index, path, image);
    });
    runWorker(worker);
}

bool CanvasAppliance::saveCanvas()
{
    return saveImage(false);
}

bool CanvasAppliance::saveCanvas2()
{
    return saveImage(true);
}

bool CanvasAppliance::saveImage(bool backPictureAlone)
{
    if (!m_canvas)
        return false;
    QString path;
    if (IQFileController::saveImageDialog(dialogParent(), path, Settings::defaultSettings()->saveCanvasDir(),
            QString())
        != QDialog::Accepted)
        return false;

    QImage image;
    auto* back = qobject_cast<PictureContent*>(m_canvas->backContentItem());
    if (backPictureAlone && back && back->photo() && m_canvas->contents().size() < 2) {
        // The montage result alone: its own pixels, not the scene's scaled
        // copy of them.
        back->waitForRender();
        image = back->photo()->toImage();
    } else {
        image = renderForOutput();
    }
    if (image.isNull()) {
        ModalPrompts::message(QMessageBox::Critical, dialogParent(), QGuiApplication::applicationDisplayName(),
            tr("Not enough memory."), QMessageBox::Ok);
        return false;
    }

    bool written = false;
    auto* worker = new SaveImageThread(image, path, !backPictureAlone);
    connect(worker, &SaveImageThread::saved, this, [&written](QString imageFile, bool succeed) {
        written = succeed;
        if (!succeed)
            ModalPrompts::message(QMessageBox::Warning, nullptr, tr("Error"), tr("Failed to save file:") + imageFile,
                QMessageBox::Ok);
    });
    runWorker(worker);
    // Callers hand this on as their save result, and the workflow closes a
    // node on success: only a written file counts.
    return written;
}
