#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Answers the message boxes a test provokes, as a user would: it watches
// for a modal QMessageBox, notes what it says and clicks the next answer.
// Boxes beyond the given answers get their escape button and are noted too.
class BoxDriver : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString title;
        QString text;
        QString informativeText;
        QMessageBox::Icon icon;
    };

    explicit BoxDriver(QList<QMessageBox::StandardButton> answers = {}, QObject* parent = nullptr);

    QList<Seen> seen() const { return m_seen; }
    // Called with each box just before it is answered (for example to
    // count signals so far).
    std::function<void(QMessageBox*)> onBox;

private:
    void poll();

    QList<QMessageBox::StandardButton> m_answers;
    QList<Seen> m_seen;
    QTimer m_timer;
};
