#include "platform/qt/StartUp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "input/LoadLayout.h"
#include "platform/qt/MainWindow.h"

namespace orvanest {

namespace {

// Long enough for the window system to map and paint the window.
constexpr int kScreenshotDelayMs = 1500;

void takeScreenshot(MainWindow& window, const QString& path) {
    QImage picture;
    if (QScreen* screen = window.screen()) {
        const QRect frame = window.frameGeometry();
        picture = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    }
    // Platforms without a screen to read (offscreen) still give the window's own picture.
    if (picture.isNull() || picture.allGray()) picture = window.grab().toImage();
    const bool saved = picture.save(path);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "screenshot:" : "cannot write the screenshot",
                 QFile::encodeName(path).constData());
    QApplication::exit(saved ? 0 : 1);
}

}  // namespace

void keepNumbersInCLocale() { std::setlocale(LC_NUMERIC, "C"); }

std::optional<StartUpOptions> parseStartUpOptions(const QStringList& arguments, int& exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Nests flat parts on a rectangular board.");
    parser.addHelpOption();
    const QCommandLineOption list("list", "FILE is a part list file naming one DXF file per part.");
    const QCommandLineOption screenshot(
        "screenshot", "Save a picture of the screen to PATH shortly after start-up, then end.", "PATH");
    parser.addOption(list);
    parser.addOption(screenshot);
    parser.addPositionalArgument("FILE", "A part data text file to open at start-up.", "[FILE]");
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\nTry --help.\n", qPrintable(parser.errorText()));
        exitCode = 2;
        return std::nullopt;
    }
    if (parser.isSet("help")) {
        std::fprintf(stdout, "%s", qPrintable(parser.helpText()));
        exitCode = 0;
        return std::nullopt;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (parser.isSet(list) && files.isEmpty())) {
        std::fprintf(stderr, "Give at most one FILE, and one with --list.\nTry --help.\n");
        exitCode = 2;
        return std::nullopt;
    }
    StartUpOptions options;
    options.path = files.value(0);
    options.partList = parser.isSet(list);
    options.screenshotPath = parser.value(screenshot);
    return options;
}

void startUp(MainWindow& window, const StartUpOptions& options) {
    if (!options.path.isEmpty()) {
        window.commands().openFile(QFile::encodeName(options.path).toStdString(),
                                   options.partList ? kLoadPartList : kLoadPartData);
    }
    if (!options.screenshotPath.isEmpty()) {
        QTimer::singleShot(kScreenshotDelayMs, &window,
                           [&window, path = options.screenshotPath] { takeScreenshot(window, path); });
    }
}

}  // namespace orvanest
