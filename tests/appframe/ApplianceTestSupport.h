#pragma once

// Test doubles of the appliance framework: an appliance and a container
// that write down what is done to them, and an answerer for the modal
// message boxes the workflow asks.

#include "appframe/AbstractAppliance.h"
#include "appframe/AbstractScene.h"
#include "appframe/Container.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

// One line per container call, widgets by object name ("null" for none):
// "title:T", "attach:w", "detach:w", "top:a,b", "right:", "bottom:c",
// "value:7=x" (an invalid value as "value:7=null"), and "close" for a close
// event, which it accepts.
class RecordingContainer : public PlugGui::Container
{
public:
    QStringList calls;

    QStringList take()
    {
        QStringList taken = calls;
        calls.clear();
        return taken;
    }

    void applianceSetTitle(const QString& title) override { calls << QStringLiteral("title:") + title; }
    void applianceAttachSceneWidget(QWidget* widget) override { calls << QStringLiteral("attach:") + name(widget); }
    void applianceDetachSceneWidget(QWidget* widget) override { calls << QStringLiteral("detach:") + name(widget); }
    void applianceSetTopbar(const QList<QWidget*>& widgets) override { calls << QStringLiteral("top:") + names(widgets); }
    void applianceSetBottombar(const QList<QWidget*>& widgets) override
    {
        calls << QStringLiteral("bottom:") + names(widgets);
    }
    void applianceSetRightbar(const QList<QWidget*>& widgets) override
    {
        calls << QStringLiteral("right:") + names(widgets);
    }
    void applianceSetValue(unsigned int key, const QVariant& value) override
    {
        calls << QStringLiteral("value:%1=%2").arg(key).arg(value.isValid() ? value.toString() : QStringLiteral("null"));
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        calls << QStringLiteral("close");
        event->accept();
    }

private:
    static QString name(QWidget* widget) { return widget ? widget->objectName() : QStringLiteral("null"); }
    static QString names(const QList<QWidget*>& widgets)
    {
        QStringList list;
        for (QWidget* widget : widgets)
            list << name(widget);
        return list.join(QLatin1Char(','));
    }
};

// What one message box showed.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers the next modal message boxes, in turn, with the given buttons and
// notes what each showed. `whileOpen(n)`, when given, runs while box n is
// still open, and the answer follows a little later, so that the event loop
// of the box runs in between.
class BoxAnswerer
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers, std::function<void(int)> whileOpen = {})
        : m_answers(std::move(answers))
        , m_whileOpen(std::move(whileOpen))
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start();
    }

    QList<SeenBox> seen;

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == m_current || seen.size() >= m_answers.size())
            return;
        m_current = box;
        const int index = int(seen.size());
        seen.append({box->windowTitle(), box->text(), box->standardButtons(),
            box->standardButton(box->defaultButton())});
        const QMessageBox::StandardButton answer = m_answers.at(index);
        if (!m_whileOpen) {
            press(box, answer);
            return;
        }
        m_whileOpen(index);
        QPointer<QMessageBox> guard(box);
        QTimer::singleShot(50, [guard, answer] {
            if (guard)
                press(guard, answer);
        });
    }

    // A button the box lacks closes it, which the caller's checks then show.
    static void press(QMessageBox* box, QMessageBox::StandardButton answer)
    {
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->close();
    }

    QList<QMessageBox::StandardButton> m_answers;
    std::function<void(int)> m_whileOpen;
    QTimer m_poll;
    QPointer<QMessageBox> m_current;
};

// What the fakes did, in order: "make c3", "save a1", "take c1", "delete a1",
// "command 9 to home".
inline QStringList journal;

class FakeAppliance : public PlugGui::AbstractAppliance
{
public:
    explicit FakeAppliance(const QString& name, AbstractScene* scene = nullptr)
        : m_name(name)
        , m_scene(scene)
    {
        m_widget.setObjectName(name);
        windowTitleSet(name);
        sceneSet(&m_widget, nullptr, scene);
        journal << QStringLiteral("make ") + name;
    }
    ~FakeAppliance() override { journal << QStringLiteral("delete ") + m_name; }

    QString applianceName() const override { return m_name; }
    bool appliancePendingChanges() const override { return pending; }
    bool applianceSave(const QString& path) override
    {
        journal << QStringLiteral("save ") + m_name + path;
        if (onSave)
            onSave();
        return saves;
    }
    bool applianceCommand(int command) override
    {
        journal << QStringLiteral("command %1 to %2").arg(command).arg(m_name);
        return true;
    }
    AbstractScene* takeScene() override
    {
        if (m_scene)
            journal << QStringLiteral("take ") + m_name;
        AbstractScene* scene = m_scene;
        m_scene = nullptr;
        return scene;
    }

    bool pending = false;
    bool saves = true;
    std::function<void()> onSave;

private:
    QString m_name;
    QPointer<AbstractScene> m_scene;
    QWidget m_widget;
};

// Lets the queue timer fire and the drain run, with any questions in it.
inline void runQueue()
{
    QTest::qWait(5);
}
