// A 24-megapixel picture onto an A2 PDF page: the print dialog's PDF export
// (file dialog answered through ModalPrompts, the picture painted on the A2
// PDF printer, written beside the target and moved into place) against
// Debian's tiff2pdf making a JPEG-compressed (quality 94) A2 page, fitted,
// from the same pixels as an uncompressed TIFF.
#include "appframe/ModalPrompts.h"
#include "modebase/PrintDialog.h"

#include "SyntheticPhoto.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int photoWidth = 6000;
constexpr int photoHeight = 4000;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

const QImage& photo()
{
    static const QImage image = syntheticPhoto(photoWidth, photoHeight, 5);
    return image;
}

const QString& tiffInput()
{
    static const QString path = [] {
        const QString file = folder().filePath(QStringLiteral("photo.tif"));
        QImageWriter writer(file, "tiff");
        writer.setCompression(0);
        writer.write(photo().convertToFormat(QImage::Format_RGB888));
        return file;
    }();
    return path;
}

void reportOutput(benchmark::State& state, const QString& path)
{
    state.counters["pdf_MB"] = double(QFileInfo(path).size()) / 1e6;
}

// format: the picture as the canvas hands it over (ARGB32) or opaque (RGB32).
void BM_PrintDialogExportPdf(benchmark::State& state)
{
    const QImage::Format format = state.range(0) ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const QString path = folder().filePath(QStringLiteral("ours.pdf"));
    PrintDialog dialog(PrintInfo{});
    dialog.setImage(photo().convertToFormat(format));
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        if (auto* fileDialog = qobject_cast<QFileDialog*>(request.dialog)) {
            fileDialog->selectFile(path);
            return int(QDialog::Accepted);
        }
        state.SkipWithError("the export reported an error");
        return int(QMessageBox::Ok);
    });
    for (auto _ : state)
        dialog.exportPdf();
    reportOutput(state, path);
}
BENCHMARK(BM_PrintDialogExportPdf)->Arg(0)->Arg(1)->ArgName("argb")->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

void BM_Tiff2PdfJpeg94A2(benchmark::State& state)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("tiff2pdf"));
    if (program.isEmpty()) {
        state.SkipWithError("tiff2pdf not installed (Debian's libtiff-tools)");
        return;
    }
    const QString input = tiffInput();
    const QString output = folder().filePath(QStringLiteral("peer.pdf"));
    const QStringList arguments{ QStringLiteral("-j"), QStringLiteral("-q"), QStringLiteral("94"), QStringLiteral("-p"),
        QStringLiteral("A2"), QStringLiteral("-F"), QStringLiteral("-o"), output, input };
    for (auto _ : state) {
        if (QProcess::execute(program, arguments) != 0) {
            state.SkipWithError("tiff2pdf failed");
            return;
        }
    }
    reportOutput(state, output);
}
BENCHMARK(BM_Tiff2PdfJpeg94A2)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
