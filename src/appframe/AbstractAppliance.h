#pragma once

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

class AbstractScene;
class QGraphicsView;

namespace PlugGui {

class Container;

// One mode of the program (home screen, collage editor, montage steps,
// panorama, retouch). An appliance describes what it wants shown (a title,
// one scene widget, top, right and bottom bar widgets, keyed values) and the
// workflow attaches it to the one container while it is on top.
//
// Concrete appliances derive from QObject first and from this class second.
// The widgets stay owned by the appliance: this class only keeps guarded
// pointers to them and deletes none, so a widget deleted behind its back
// simply drops out of its bar. GUI thread only.
class AbstractAppliance
{
public:
    AbstractAppliance();
    virtual ~AbstractAppliance();

    virtual QString applianceName() const = 0;
    // The default handles nothing: it warns and returns false.
    virtual bool applianceCommand(int command);
    virtual bool appliancePendingChanges() const;
    // An empty path lets the appliance ask for one. The default warns and
    // reports success.
    virtual bool applianceSave(const QString& filePath);
    virtual bool applicanceSaveImage();

    // Appliances that work on a scene the workflow made for them (the canvas
    // appliances) hand it back here before the workflow deletes them: they
    // disconnect from it, forget it, and the caller owns it from then on.
    // Null when the appliance holds no such scene; the default holds none.
    virtual AbstractScene* takeScene();

    void windowTitleSet(const QString& title);
    void windowTitleClear();
    QString windowTitle() const { return m_windowTitle; }

    // Keeps the widget only; the view and the scene are not kept.
    void sceneSet(QWidget* widget, QGraphicsView* view, AbstractScene* scene);
    void sceneClear();
    QWidget* sceneWidget() const { return m_sceneWidget; }

    // An index from 0 up to the list size (exclusive) inserts before that
    // position; a negative one or one at or past the end appends. A null
    // widget is ignored. Top-bar widgets carry the dynamic property
    // "@rightBar" = rightSide, which the container reads.
    void topbarAddWidget(QWidget* widget, bool rightSide = false, int index = -1);
    void rightbarAddWidget(QWidget* widget, int index = -1);
    void bottomBarAddWidget(QWidget* widget, int index = -1);
    // Remove every entry that is the widget or whose widget is gone.
    void topbarRemoveWidget(QWidget* widget);
    void bottombarRemoveWidget(QWidget* widget);

    // A valid value is kept under the key, an invalid one removes the key;
    // either way it is passed on when attached.
    void containerValueSet(unsigned int key, const QVariant& value);

    // Called by the workflow. Attaching to a null container only detaches.
    bool addToApplianceContainer(Container* container);
    void removeFromApplianceContainer();

    // The container while attached to a living one, else null. Appliances
    // parent their dialogs to it.
    Container* applianceContainer() const;

private:
    Q_DISABLE_COPY(AbstractAppliance)

    using WidgetList = QList<QPointer<QWidget>>;

    static void insertWidget(WidgetList& list, QWidget* widget, int index);
    static bool removeWidget(WidgetList& list, QWidget* widget);
    static QList<QWidget*> livingWidgets(const WidgetList& list);
    void refreshTopbar();
    void refreshRightbar();
    void refreshBottombar();

    QString m_windowTitle;
    QPointer<QWidget> m_sceneWidget;
    WidgetList m_topbarWidgets;
    WidgetList m_rightbarWidgets;
    WidgetList m_bottombarWidgets;
    QPointer<Container> m_container;
    QMap<quint32, QVariant> m_containerValues;
};

} // namespace PlugGui
