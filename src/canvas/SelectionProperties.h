#pragma once

#include "ui_SelectionProperties.h"

#include <QList>
#include <QWidget>

class AbstractContent;
class PictureContent;
class TextContent;

// The panel shown while several contents are selected: how many there are
// and a button that removes them all. It does not own the contents; the
// lists are only counted and may point at contents gone since.
class SelectionProperties : public QWidget, public Ui_SelectionProperties
{
    Q_OBJECT

public:
    explicit SelectionProperties(const QList<AbstractContent*>& contents, QWidget* parent = nullptr);

    const QList<PictureContent*>& pictures() const { return m_pictures; }
    const QList<TextContent*>& texts() const { return m_texts; }

signals:
    // No control emits it; the canvas listens all the same.
    void collateSelection();
    // Once per click on "Remove".
    void deleteSelection();

private:
    QList<PictureContent*> m_pictures;
    QList<TextContent*> m_texts;
};
