// Plays arbitrary bytes as an animation: through the QMovie-based source
// alone, then shown, stepped and sought in a viewer.
#include "widgets/GraphicsImageViewer.h"
#include "widgets/QMovieFileProxy.h"

#include <QApplication>
#include <QByteArray>
#include <QImageReader>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 3;
    static char name[] = "fuzz_movie_playback";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platform, offscreen, nullptr};
    static QApplication app(argc, argv);
    static GraphicsImageViewer viewer;
    // Keep one frame small enough that a forged screen size cannot exhaust memory.
    QImageReader::setAllocationLimit(64);

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QMovieFileProxy movie(bytes);
        if (movie.isValid()) {
            movie.jumpToFrame(0);
            for (int i = 0; i < 64 && movie.jumpToNextFrame(); ++i)
                (void)movie.currentImage();
            movie.jumpToFrame(0);
            (void)movie.lastErrorString();
        }
    }
    viewer.displayAnimation(std::make_unique<QMovieFileProxy>(bytes));
    viewer.stopAnimation();
    viewer.nextFrame();
    viewer.prevFrame();
    viewer.showAnimationFrame(2);
    viewer.closeImage();
    return 0;
}
