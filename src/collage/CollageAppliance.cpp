#include "collage/CollageAppliance.h"

#include "collage/CollageProjectFile.h"
#include "appframe/SceneView.h"
#include "appframe/Workflow.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "widgets/QPopupColorWidget.h"
#include "widgets/QToolBoxWidget.h"

#include <QMenu>

namespace {

const char* const toolButtonStyle
    = "QToolButton { background-color:#222222; color:white; border:1px solid #444444; border-radius:4px;}"
      "QToolButton:hover {background-color:#333333; border:1px solid #444444; border-radius:4px;}"
      "QToolButton:disabled {background-color:#222222; color:#646464;border:1px solid #444444; border-radius:4px;}";

} // namespace

CollageAppliance::CollageAppliance(Canvas* canvas, QObject* parent)
    : CanvasAppliance(canvas, parent)
    , m_formRoot(new QWidget)
{
    ui.setupUi(m_formRoot);

    connect(ui.bPicture, SIGNAL(clicked()), this, SLOT(slotAddPicture()));
    connect(ui.bText, SIGNAL(clicked()), this, SLOT(slotAddText()));
    connect(ui.bHome, &QToolButton::clicked, this, [] {
        if (App::workflow)
            App::workflow->scheduleCommand(Workflow::Command {Workflow::CloseDownTo, QVariant(0)});
    });
    connect(ui.bProject, &QToolButton::clicked, this, [] {
        if (App::workflow)
            App::workflow->loadCanvas_A(QString());
    });

    connect(ui.colorCombo, SIGNAL(activated(int)), this, SLOT(slotSetBackColorMode(int)));
    if (m_canvas) {
        const QSignalBlocker blocker(ui.colorCombo);
        ui.colorCombo->setCurrentIndex(m_canvas->backColor().mode);
    }

    connect(ui.bSaveProject, SIGNAL(clicked()), this, SLOT(slotSaveProject()));
    connect(ui.bSaveImage, SIGNAL(clicked()), this, SLOT(slotSaveAsImage()));
    connect(ui.bPrint, SIGNAL(clicked()), this, SLOT(slotPrint()));

    for (QToolButton* button :
        {ui.bSaveImage, ui.bHome, ui.bPrint, ui.bPicture, ui.bText, ui.bSaveProject, ui.bProject})
        button->setStyleSheet(QLatin1String(toolButtonStyle));

    windowTitleSet(applianceName());

    ui.addContentBox->setProperty("@onTopbar", true);
    topbarAddWidget(ui.addContentBox, false, -1);

    auto* colorBox = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    colorBox->addWidget(tr("Background Color"), ui.colorWidget, true);
    ui.scrollLayout->addWidget(colorBox);
    auto* contentBox = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    contentBox->addWidget(tr("Background Picture"), ui.contentWidget, true);
    contentBox->addRightWidget(ui.addContentButn);
    contentBox->addRightWidget(ui.removeContentButn);
    ui.scrollLayout->addWidget(contentBox);
    auto* borderBox = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    borderBox->addWidget(tr("Border"), ui.borderColorWidget, true);
    ui.scrollLayout->addWidget(borderBox);
    ui.editWidget->setEnabled(backPicture() != nullptr);

    // The right bar starts on the canvas panels; a selection swaps them.
    configurePropertyPanels(ui.propertiesBox, ui.propLayout, ui.canvasPropertiesBox);
    bottomBarAddWidget(ui.bottomWidget, -1);
    rightbarAddWidget(ui.propertiesBox, -1);
    rightbarAddWidget(ui.canvasPropertiesBox, -1);
    topbarAddWidget(ui.rightBox, true, -1);

    connect(ui.aspectCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(slotAspectComboCurrentIndexChanged(int)));

    configureSize();
    configureColorBorder();
    configureBackColor();
    configureBackContent();
    configureZoomBar(ui.scaleSlider, ui.fitinButn, ui.actualButn);
    syncZoomSlider();

    slotBackConfigChanged();

    if (m_canvas) {
        connect(m_canvas, SIGNAL(backConfigChanged()), this, SLOT(slotBackConfigChanged()));
        connect(m_canvas, &AbstractScene::sceneSizeChanged, this, [this] {
            if (m_canvas)
                showSize(m_canvas->sceneSize());
        });
        connect(m_canvas, &Canvas::adaptionSizeChanged, this, [this](QSize size) { showSize(size); });
        // A fixed size is announced only when it changes, and a project
        // read with one has it already: the view's layout keeps it silent.
        if (m_canvas->modeInfo()->isFixedSize())
            showSize(m_canvas->sceneSize());
    }
}

CollageAppliance::~CollageAppliance()
{
    if (m_canvas)
        qWarning("CanvasAppliance::~CanvasAppliance: we still have a Canvas. take it before deleting this");
    delete ui.addContentBox;
    delete ui.propertiesBox;
    delete ui.canvasPropertiesBox;
    delete ui.rightBox;
    // Left open by the layout this editor follows; freed here so that a
    // closed collage leaves nothing behind in the main window.
    delete ui.bottomWidget;
    delete m_colorPopup;
    delete m_sizeMenu;
    delete m_formRoot;
}

QString CollageAppliance::applianceName() const
{
    return QStringLiteral("Collage");
}

bool CollageAppliance::appliancePendingChanges() const
{
    return m_canvas && m_canvas->pendingChanges();
}

bool CollageAppliance::applianceSave(const QString& filePath)
{
    QString path = filePath;
    if (path.isEmpty()) {
        path = CollageProjectFile::getSaveCollageProjectFile();
        if (path.isEmpty())
            return false;
    }
    return CollageProjectFile::saveV2(path, m_canvas);
}

bool CollageAppliance::applicanceSaveImage()
{
    saveCanvas();
    return true;
}

bool CollageAppliance::slotFileLoad()
{
    return App::workflow && App::workflow->loadCanvas_A(QString());
}

bool CollageAppliance::slotSaveProject()
{
    return applianceSave(QString());
}

bool CollageAppliance::slotSaveAsImage()
{
    return applicanceSaveImage();
}

bool CollageAppliance::slotFileExport()
{
    return false;
}
