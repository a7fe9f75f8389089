#include "BoxDriver.h"

#include <QAbstractButton>
#include <QApplication>

BoxDriver::BoxDriver(QList<QMessageBox::StandardButton> answers, QObject* parent)
    : QObject(parent)
    , m_answers(std::move(answers))
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &BoxDriver::poll);
    m_timer.start();
}

void BoxDriver::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("boxDriverAnswered").toBool())
        return;
    box->setProperty("boxDriverAnswered", true);
    m_seen.append({box->windowTitle(), box->text(), box->informativeText(), box->icon()});
    if (onBox)
        onBox(box);

    QAbstractButton* button = nullptr;
    if (!m_answers.isEmpty())
        button = box->button(m_answers.takeFirst());
    if (!button)
        button = box->escapeButton();
    if (!button && !box->buttons().isEmpty())
        button = box->buttons().constLast();
    if (button)
        button->click();
}
