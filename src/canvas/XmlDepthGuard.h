#pragma once

#include <QByteArray>

// Qt's DOM builds and frees nested elements recursively, so a file of a
// few hundred kilobytes of opening tags exhausts the stack. Readers of
// untrusted project files check the nesting with this first: the check
// itself reads the bytes as a stream, without recursion.
class XmlDepthGuard
{
public:
    XmlDepthGuard() = delete;

    // Far beyond any element a project writes (the deepest is six levels
    // below the root).
    static constexpr int defaultMaxDepth = 64;

    // False when elements nest deeper than `maxDepth`. Malformed XML past
    // that point is the DOM parser's to refuse; up to it, this says true.
    static bool withinDepth(const QByteArray& xml, int maxDepth = defaultMaxDepth);
};
