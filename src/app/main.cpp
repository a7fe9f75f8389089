#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/initLanguage.h"
#include "appframe/IQEnvironment.h"
#include "appframe/Settings.h"
#include "files/IQImageLimits.h"
#include "rawplugin/RawPluginImport.h"

#include <QApplication>
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
    setDisplayName(IQEnvironment::applicationName());
    initLanguage(&app);
    storeCommandlineUrls(argc, argv);
    QCoreApplication::processEvents();

    auto* window = new MainWindow(nullptr);
    const int code = QApplication::exec();

    Settings::defaultSettings()->sync();
    // Stores the window geometry and ends the workflow, before the
    // application object goes.
    delete window;
    return code;
}
