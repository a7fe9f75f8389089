#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QtGlobal>

// The base of the property editors: joins one control of type T to one named
// Qt property of a target object. The editor is a child of `parent` and
// dies with it; control and target are only watched, so once either is
// gone every operation of the editor does nothing.
//
// Subclasses run, in their constructor: show the property (slotPropertyChanged),
// follow the property's notify signal (followProperty), connect their control,
// and warn once when the property's type is not one they serve.
template <typename T>
class PE_TypeControl : public QObject
{
public:
    PE_TypeControl(T* control, QObject* target, const char* propertyName, QObject* parent)
        : QObject(parent)
        , control(control)
        , target(target)
    {
        const int index = target && propertyName ? target->metaObject()->indexOfProperty(propertyName) : -1;
        if (index < 0)
            qWarning("PE_TypeControl: target has no property '%s'", propertyName ? propertyName : "NULL");
        else
            property = target->metaObject()->property(index);
    }

protected:
    // The variant type number the warnings name: the meta-type id, or 65536
    // for any type of our own.
    int propertyTypeNumber() const
    {
        const int id = property.metaType().id();
        return id >= QMetaType::User ? 65536 : id;
    }
    int propertyTypeId() const { return property.isValid() ? property.metaType().id() : QMetaType::UnknownType; }
    bool alive() const { return control && target && property.isValid(); }

    // Connects the property's notify signal, if it has one, to the editor's
    // slotPropertyChanged().
    void followProperty()
    {
        if (!target || !property.hasNotifySignal())
            return;
        const int slot = metaObject()->indexOfSlot("slotPropertyChanged()");
        if (slot >= 0)
            QObject::connect(target, property.notifySignal(), this, metaObject()->method(slot));
    }

    QPointer<T> control;
    QPointer<QObject> target;
    QMetaProperty property;
};
