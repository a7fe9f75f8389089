// Reads arbitrary bytes as a content's XML element, then paints the content
// and writes it out again.
#include "canvas/AbstractContent.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <cstdint>

namespace {

class FuzzContent : public AbstractContent
{
public:
    explicit FuzzContent(QGraphicsScene* scene)
        : AbstractContent(scene, false, false, 1, nullptr)
    {
    }
    QString contentName() const override { return QStringLiteral("Fuzz"); }
    void drawContent(QPainter* painter, const QRect& target, Qt::AspectRatioMode) override
    {
        painter->fillRect(target, Qt::green);
    }
};

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_content_xml";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    qInstallMessageHandler(quiet);

    QDomDocument doc;
    if (!doc.setContent(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        return 0;
    QDomElement element = doc.documentElement();

    QGraphicsScene scene;
    auto* content = new FuzzContent(&scene);
    content->fromXml(element, QDir());

    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(32, 32);
        painter.setTransform(content->transform(), true);
        QStyleOptionGraphicsItem option;
        content->paint(&painter, &option, nullptr);
    }

    QDomDocument out;
    QDomElement written = out.createElement(QStringLiteral("content"));
    out.appendChild(written);
    content->toXml(written, QDir());
    delete content;
    return 0;
}
