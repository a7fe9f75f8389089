#include "widgets/QPopupColorWidget.h"

#include "ui_QPopupColorWidget.h"

#include <QAbstractSpinBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLayout>
#include <QPainter>
#include <QScreen>

QPopupColorWidget::QPopupColorWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::QPopupColorWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Popup);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoMousePropagation);
    setWindowFlag(Qt::FramelessWindowHint);
    hide();

    connect(ui->colorWidget, &QColorWidget::colorChanged, this, &QPopupColorWidget::colorChanged,
            Qt::DirectConnection);
    ui->colorWidget->setMinimumWidth(200);
    ui->colorWidget->setMaximumWidthKeepingBoxes(220);
    // The form's fixed 220 pixels, less the margins, hold no panel whose
    // boxes show three digits: the window is as wide as the panel needs.
    const QMargins margins = layout()->contentsMargins();
    const int needed = ui->colorWidget->minimumSizeHint().width() + margins.left() + margins.right();
    if (needed > maximumWidth()) {
        setMinimumWidth(needed);
        setMaximumWidth(needed);
    }
}

QPopupColorWidget::~QPopupColorWidget()
{
    delete ui;
}

void QPopupColorWidget::setColor(const QColor& c)
{
    ui->colorWidget->setColor(c);
}

QColor QPopupColorWidget::color() const
{
    return ui->colorWidget->color();
}

void QPopupColorWidget::showAt(const QPoint& pos)
{
    // Before the first show the window still has the form's small size; let
    // the layout give it its real one, or the screen check would miss.
    ensurePolished();
    if (layout())
        layout()->activate();
    QRect geom = geometry();
    geom.moveTopLeft(pos);
    setGeometry(geom);
    show();
    // Showing may lay the window out once more (a style polished late):
    // the size it shows at is the one that must fit.
    if (geometry() != geom)
        setGeometry(geometry());
}

void QPopupColorWidget::setGeometry(const QRect& geom)
{
    const QPoint cursor = QCursor::pos();
    // Between screens, or where the platform does not tell the cursor's
    // screen, there is none under it.
    QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();

    QRect r = geom;
    if (screen) {
        // What windows may cover: a panel or dock along an edge would hide
        // the part of the pop-up under it.
        const QRect area = screen->availableGeometry();
        if (r.bottom() > area.bottom())
            r.moveBottom(cursor.y());
        // A cursor off every screen must not take the pop-up along.
        if (r.bottom() > area.bottom())
            r.moveBottom(area.bottom());
        if (r.right() > area.right())
            r.moveRight(area.right());
        if (r.top() < area.top())
            r.moveTop(area.top());
        if (r.left() < area.left())
            r.moveLeft(area.left());
    }
    QWidget::setGeometry(r);
}

void QPopupColorWidget::mousePressEvent(QMouseEvent* event)
{
    // A press outside closes the pop-up here (closeEvent reports the
    // colour); a press on the margin only hides it, without a close event.
    QWidget::mousePressEvent(event);
    hide();
}

void QPopupColorWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QPen(Qt::darkGray, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect());
}

void QPopupColorWidget::closeEvent(QCloseEvent* event)
{
    // A number still being typed into a box counts: take it in before the
    // final colour goes out.
    for (QAbstractSpinBox* box : findChildren<QAbstractSpinBox*>()) {
        if (box->hasFocus())
            box->interpretText();
    }
    emit colorSelected(ui->colorWidget->color());
    QWidget::closeEvent(event);
}
