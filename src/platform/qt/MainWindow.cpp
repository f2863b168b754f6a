#include "platform/qt/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>

#include "platform/qt/LayoutView.h"
#include "platform/qt/RnPpdDialog.h"

namespace orvanest {

MainWindow::MainWindow() : platform_(this), commands_(platform_), view_(new LayoutView(commands_, this)) {
    setWindowTitle(kWindowTitle);
    // A default size as a desktop gives a new window: most of the screen.
    if (const QScreen* display = screen()) resize(display->availableGeometry().size() * 3 / 4);
    setCentralWidget(view_);
    platform_.setView(view_);
    platform_.setDialogOpener([this] { (new RnPpdDialog(commands_, this))->show(); });

    QMenu* file = menuBar()->addMenu("&File");
    addCommand(file, "OpenLibIn&Txt", kCommandOpenPartData);
    // No menu item of the original issues the part list command; users need one.
    addCommand(file, "OpenPartList(*.txt)", kCommandOpenPartList);
    file->addSeparator();
    addCommand(file, "LayoutIn&Dxf", kCommandWriteDxfLayout);
    addCommand(file, "ExportParts(*.dxf)", kCommandExportParts);
    QMenu* function = menuBar()->addMenu("F&unction");
    addCommand(function, "&Renew_RN_PPD", kCommandRenewRnPpd);
    addCommand(function, "SortByIDSequenceForPacking", kCommandIdSequence);
    QMenu* display = menuBar()->addMenu("&View");
    addCommand(display, "&Black Background", kCommandBlackBackground, true);
    addCommand(display, "&White Background", kCommandWhiteBackground, true);
    addCommand(display, "PPT_Visible", kCommandShowPackingPoints, true);

    commands_.onCreate();
    platform_.setMenuChecked(commands_.backgroundMenuItem(), true);
    platform_.setMenuChecked(kCommandShowPackingPoints, commands_.showPackingPoints());

    timer_.setInterval(kTimerIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // A modal message or chooser runs its own event loop inside a handler that has not returned yet;
        // an animation step then would change the layout under that handler.
        if (!QApplication::activeModalWidget()) commands_.onTimer();
    });
    timer_.start();
    view_->setFocus();
}

MainWindow::~MainWindow() {
    timer_.stop();
    commands_.onDestroy();
}

QAction* MainWindow::action(int commandId) const {
    for (QAction* candidate : findChildren<QAction*>()) {
        if (candidate->data().toInt() == commandId) return candidate;
    }
    return nullptr;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& text, int commandId, bool checkable) {
    QAction* command = menu->addAction(text);
    command->setData(commandId);
    command->setCheckable(checkable);
    platform_.addMenuAction(commandId, command);
    connect(command, &QAction::triggered, this, [this, commandId] { commands_.onCommand(commandId); });
    return command;
}

}  // namespace orvanest
