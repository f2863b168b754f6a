#include <QApplication>

#include "platform/qt/MainWindow.h"
#include "platform/qt/StartUp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    orvanest::keepNumbersInCLocale();
    int exitCode = 0;
    const std::optional<orvanest::StartUpOptions> options =
        orvanest::parseStartUpOptions(QApplication::arguments(), exitCode);
    if (!options) return exitCode;
    orvanest::MainWindow window;
    window.show();
    orvanest::startUp(window, *options);
    return QApplication::exec();
}
