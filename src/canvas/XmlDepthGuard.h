#pragma once

#include <QByteArray>

// Qt's DOM builds and frees nested elements recursively, so a file of a
// few hundred kilobytes of opening tags exhausts the stack, and a flat file
// of millions of empty elements exhausts memory. Readers of untrusted
// project files check the document with this first: the check itself reads
// the bytes as a stream, without recursion, and builds nothing.
class XmlDepthGuard
{
public:
    XmlDepthGuard() = delete;

    // Far beyond any element a project writes (the deepest is six levels
    // below the root).
    static constexpr int defaultMaxDepth = 64;
    // A project holds a few elements per content.
    static constexpr int defaultMaxElements = 250000;

    enum class Verdict {
        Within,
        TooDeep,          // elements nest deeper than the depth allowed
        TooManyElements,  // more elements than allowed, at any depth
    };

    // What the first limit the document passes, read from its start, is.
    // Malformed XML past that point is the DOM parser's to refuse; up to
    // it, this says Within.
    static Verdict check(const QByteArray& xml, int maxDepth = defaultMaxDepth,
        int maxElements = defaultMaxElements);

    // False when elements nest deeper than `maxDepth`, however many there
    // are.
    static bool withinDepth(const QByteArray& xml, int maxDepth = defaultMaxDepth);
};
