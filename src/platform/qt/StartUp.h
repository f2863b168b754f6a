#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace orvanest {

class MainWindow;

// What the command line asks for: a file to open at start-up (a part data text file, or with --list a
// part list file), and for scripts a picture of the screen to take once the window shows it.
struct StartUpOptions {
    QString path;
    bool partList = false;
    QString screenshotPath;
};

// Qt sets the C library's locale from the environment; numbers in messages, files and the dialog's
// edit boxes are written and read with a decimal point whatever the user's language.
void keepNumbersInCLocale();

// Answers nothing after printing the usage or an error (the program then ends with `exitCode`).
std::optional<StartUpOptions> parseStartUpOptions(const QStringList& arguments, int& exitCode);

// Opens the file as the open commands do (a failed load leaves the window empty, after its message) and
// schedules the screenshot, after which the program ends.
void startUp(MainWindow& window, const StartUpOptions& options);

}  // namespace orvanest
