#pragma once

#include <QList>
#include <QVariant>
#include <QWidget>

namespace PlugGui {

// The window side of the appliance framework: shows what the attached
// appliance hands it. The container never owns the widgets it is given; it
// only places, shows and hides them. An empty list hides that bar.
class Container : public QWidget
{
    Q_OBJECT

public:
    explicit Container(QWidget* parent = nullptr);
    ~Container() override;

    // An empty title means the bare application name.
    virtual void applianceSetTitle(const QString& title) = 0;
    // Both ignore a null widget.
    virtual void applianceAttachSceneWidget(QWidget* widget) = 0;
    virtual void applianceDetachSceneWidget(QWidget* widget) = 0;
    // Bar widgets in display order.
    virtual void applianceSetTopbar(const QList<QWidget*>& widgets) = 0;
    virtual void applianceSetBottombar(const QList<QWidget*>& widgets) = 0;
    virtual void applianceSetRightbar(const QList<QWidget*>& widgets) = 0;
    // A null value clears the key.
    virtual void applianceSetValue(unsigned int key, const QVariant& value) = 0;
};

} // namespace PlugGui
