#include "widgets/CheckBoxWordWrap.h"

#include "widgets/ClickableLabel.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QStyle>
#include <QStyleOptionButton>

CheckBoxWordWrap::CheckBoxWordWrap(QWidget* parent)
    : QCheckBox(parent)
    , m_layout(new QHBoxLayout(this))
    , m_label(new ClickableLabel(this))
{
    setUp();
}

CheckBoxWordWrap::CheckBoxWordWrap(const QString& text, QWidget* parent)
    : QCheckBox(parent)
    , m_layout(new QHBoxLayout(this))
    , m_label(new ClickableLabel(text, this))
{
    setUp();
}

CheckBoxWordWrap::~CheckBoxWordWrap()
{
    delete m_label;
    delete m_layout;
}

void CheckBoxWordWrap::setUp()
{
    setLayout(m_layout);

    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorWidth = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);

    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_label);
    m_label->setIndent(indicatorWidth + m_spacing);
    m_label->setWordWrap(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);

    connect(m_label, &ClickableLabel::clicked, this, &CheckBoxWordWrap::labelIsClicked);
}

QString CheckBoxWordWrap::text() const
{
    return m_label->text();
}

void CheckBoxWordWrap::setText(const QString& text)
{
    m_label->setText(text);
}

bool CheckBoxWordWrap::isWordWrap() const
{
    return m_label->wordWrap();
}

void CheckBoxWordWrap::setWordWrap(bool wrap)
{
    m_label->setWordWrap(wrap);
}

QSize CheckBoxWordWrap::sizeHint() const
{
    const QFontMetrics metrics(m_label->font());
    const QRect area(QPoint(m_label->indent() + m_spacing, 0),
                     QPoint(m_label->width() - 1, m_label->height() - 1));
    const QRect bounds = metrics.boundingRect(
        area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_label->text());
    return QSize(QWidget::sizeHint().width(), bounds.height());
}

void CheckBoxWordWrap::labelIsClicked()
{
    // The caption covers the indicator too, so a press there reaches the
    // box (the label ignores presses) and leaves it down, while the release
    // goes to the label. Let the box come up again before it toggles.
    setDown(false);
    setChecked(!isChecked());
}

void CheckBoxWordWrap::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateGeometry();
}
