#include "widgets/QToolBoxWidget.h"

#include "ui_QToolBoxWidget.h"

#include <QHBoxLayout>
#include <QLabel>

#include <cmath>

namespace {

constexpr int arrowSide = 9;

} // namespace

QToolBoxWidget::QToolBoxWidget(QWidget* parent, ToolboxType type)
    : QWidget(parent)
    , ui(new Ui::QToolBoxWidget)
    , m_type(type)
{
    ui->setupUi(this);
    initUI();
}

QToolBoxWidget::~QToolBoxWidget()
{
    delete ui;
}

void QToolBoxWidget::initUI()
{
    m_arrowLabel = new QLabel;
    m_arrowLabel->setFixedSize(arrowSide, arrowSide);
    m_arrowLabel->setPixmap(closureIcon(QStringLiteral(":/data/Icon_ret.png")));
    m_arrowLabel->setAlignment(Qt::AlignCenter);

    m_titleLabel = new QLabel;
    m_titleLabel->setMinimumHeight(14);
    m_titleLabel->setAlignment(Qt::AlignVCenter);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->addSpacing(m_type == Flush ? 2 : 10);
    header->addWidget(m_arrowLabel);
    header->addSpacing(2);
    header->addWidget(m_titleLabel);
    ui->closureButn->setLayout(header);

    ui->closureButn->setFlat(true);
    ui->closureButn->setStyleSheet(QStringLiteral("background-color:rgba(0,0,0,0);border:none"));
    ui->horizontalWidget->setStyleSheet(QStringLiteral("background-color:#303030"));
}

void QToolBoxWidget::addWidget(const QString& title, QWidget* widget, bool expanded)
{
    m_titleLabel->setText(title);
    ui->verticalLayoutContent->setContentsMargins(m_type == Flush ? 0 : 6, 0, 0, 0);
    if (widget)
        ui->verticalLayoutContent->addWidget(widget);
    if (expanded)
        expand();
    else
        collapse();
}

void QToolBoxWidget::addRightWidget(QWidget* widget)
{
    ui->actionLayout->addWidget(widget);
}

void QToolBoxWidget::expand()
{
    ui->widgetContent->show();
    m_expanded = true;
    m_arrowLabel->setPixmap(closureIcon(QStringLiteral(":/data/Icon_ex.png")));
}

void QToolBoxWidget::collapse()
{
    ui->widgetContent->hide();
    m_expanded = false;
    m_titleLabel->setStyleSheet(QString());
    m_arrowLabel->setPixmap(closureIcon(QStringLiteral(":/data/Icon_ret.png")));
}

void QToolBoxWidget::on_closureButn_clicked()
{
    if (m_expanded)
        collapse();
    else
        expand();
}

QPixmap QToolBoxWidget::closureIcon(const QString& path) const
{
    QPixmap pixmap(path);
    if (pixmap.isNull())
        return pixmap;
    const double ratio = metric(QPaintDevice::PdmDevicePixelRatioScaled) / 65536.0;
    if (ratio >= 1.001) {
        // Keep the pixels where they fit (an 18 x 14 arrow at ratio 2 is
        // 9 x 7); shrink only what would overflow the label.
        const int box = int(std::floor(arrowSide * ratio));
        if (pixmap.width() > box || pixmap.height() > box)
            pixmap = pixmap.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(ratio);
    } else {
        // Fit the longer side: scaling a 14 x 18 arrow to width 9 would make
        // it 12 high and clip it.
        pixmap = pixmap.scaled(arrowSide, arrowSide, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
    return pixmap;
}
