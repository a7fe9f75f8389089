#pragma once

#include <QLabel>

// A label that reports every mouse release over it as clicked(), whatever
// the button and wherever the press happened. The release is not passed on
// to QLabel, so text selection and link activation do not see it.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr,
                            Qt::WindowFlags f = Qt::WindowFlags());
    ~ClickableLabel() override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
