#include "canvas/XmlDepthGuard.h"

#include <QXmlStreamReader>

bool XmlDepthGuard::withinDepth(const QByteArray& xml, int maxDepth)
{
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maxDepth)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return true;
}
