#pragma once

#include <QSignalBlocker>

#include <vector>

class QWidget;

// Blocks the signals of a widget and of every widget below it for its own
// lifetime, so that values set from code do not echo as user changes. On
// destruction each widget gets back the blocking state it had, so a
// caller's own blocking survives.
class DescendantSignalBlocker
{
public:
    explicit DescendantSignalBlocker(QWidget* root);

    DescendantSignalBlocker(const DescendantSignalBlocker&) = delete;
    DescendantSignalBlocker& operator=(const DescendantSignalBlocker&) = delete;

private:
    std::vector<QSignalBlocker> m_blockers;
};
