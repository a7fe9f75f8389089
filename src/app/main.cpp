#include "appframe/App.h"
#include "appframe/IQEnvironment.h"
#include "appframe/Settings.h"
#include "files/IQImageLimits.h"
#include "rawplugin/RawPluginImport.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // One finite allocation limit for every image read of the process.
    IQImageLimits::install();
    // Settings and data folders are named after the product.
    QCoreApplication::setApplicationName(IQEnvironment::applicationName());
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLUMAR_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    QGuiApplication::setApplicationDisplayName(IQEnvironment::applicationName());

    Settings* settings = Settings::defaultSettings();
    const QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (App::isContentUrl(arguments.at(i)))
            settings->addCommandlineUrl(arguments.at(i));
    }
    QCoreApplication::processEvents();

    // Stands in for the main window until it is built.
    auto* window = new QMainWindow;
    window->setMinimumSize(960, 640);
    auto* label = new QLabel(IQEnvironment::applicationName(), window);
    label->setAlignment(Qt::AlignCenter);
    window->setCentralWidget(label);
    window->show();

    const int code = app.exec();
    settings->sync();
    delete window;
    return code;
}
