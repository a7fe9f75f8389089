#include "canvas/XmlDepthGuard.h"

#include <QXmlStreamReader>

#include <limits>

XmlDepthGuard::Verdict XmlDepthGuard::check(const QByteArray& xml, int maxDepth, int maxElements)
{
    QXmlStreamReader reader(xml);
    int depth = 0;
    int elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maxDepth)
                return Verdict::TooDeep;
            if (++elements > maxElements)
                return Verdict::TooManyElements;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return Verdict::Within;
}

bool XmlDepthGuard::withinDepth(const QByteArray& xml, int maxDepth)
{
    return check(xml, maxDepth, std::numeric_limits<int>::max()) != Verdict::TooDeep;
}
