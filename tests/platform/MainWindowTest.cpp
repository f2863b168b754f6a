#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <deque>
#include <set>

#include "app/CommandLayer.h"
#include "app/RnPpdSettings.h"
#include "platform/qt/LayoutView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/RnPpdDialog.h"
#include "platform/qt/StartUp.h"
#include "support/TestJobs.h"
#include "view/Drawing.h"

using namespace orvanest;

namespace {

QRgb rgb(Rgb colour) { return qRgb(colour.r, colour.g, colour.b); }

// The window with the message boxes recorded and the choosers answered from a queue, as a user would.
struct Harness {
    Harness() {
        window.platform().answerMessagesWith(
            [this](const std::string& caption, const std::string& text) { messages.emplace_back(caption, text); });
        window.platform().answerChoosersWith([this](const FileChooser& chooser, std::string& path) {
            choosers.push_back(chooser.title);
            if (answers.empty()) return false;
            path = answers.front();
            answers.pop_front();
            return true;
        });
        // Tall enough that the parts parked below the board are in view.
        window.resize(800, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    CommandLayer& commands() { return window.commands(); }
    Layout& layout() { return *window.commands().layout(); }
    const Viewport& viewport() { return window.commands().viewport(); }
    LayoutView& view() { return *window.view(); }
    QImage picture() { return view().grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void open(const std::string& path) {
        answers.push_back(path);
        window.action(kCommandOpenPartData)->trigger();
        QVERIFY(window.commands().layout() != nullptr);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&view(), key, modifiers);
    }

    MainWindow window;
    std::vector<std::pair<std::string, std::string>> messages;
    std::vector<std::string> choosers;
    std::deque<std::string> answers;
};

const std::string kPlates = testing::testDataPath("platform/plates.txt");

// The colours found within one pixel of (x, y): line rounding may put an edge one pixel aside.
std::set<QRgb> coloursNear(const QImage& image, PixelPoint p) {
    std::set<QRgb> found;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(p.x + dx, p.y + dy)) found.insert(image.pixel(p.x + dx, p.y + dy));
    return found;
}

// Every loop edge of every part shows the colour at its midpoint; answers how many edges were looked at.
// Edges on the board's outline are left out: the free rectangle drawn over them hides them.
int checkEdges(const QImage& image, const Layout& layout, const Viewport& view, Rgb colour) {
    const PixelPoint low = view.toPixel(0, 0);
    const PixelPoint high = view.toPixel(layout.boardLength, layout.boardWidth);
    const auto onOutline = [&](PixelPoint p) {
        const auto near = [](int a, int b) { return std::abs(a - b) <= 1; };
        const bool acrossX = p.x >= low.x - 1 && p.x <= high.x + 1;
        const bool acrossY = p.y >= high.y - 1 && p.y <= low.y + 1;
        return (acrossY && (near(p.x, low.x) || near(p.x, high.x))) ||
               (acrossX && (near(p.y, low.y) || near(p.y, high.y)));
    };
    int edges = 0;
    for (const Part& part : layout.parts) {
        std::vector<const Polygon*> loops{&part.outer};
        for (const Polygon& inner : part.inners) loops.push_back(&inner);
        for (const Polygon* loop : loops) {
            for (int i = 0; i < loop->count(); ++i) {
                const Point& a = loop->vertex(i);
                const Point& b = loop->vertex((i + 1) % loop->count());
                const PixelPoint mid = view.toPixel((a.x + b.x) / 2, (a.y + b.y) / 2);
                if (!image.rect().contains(mid.x, mid.y) || onOutline(mid)) continue;
                ++edges;
                if (!coloursNear(image, mid).count(rgb(colour))) {
                    qWarning("edge %d of %s at (%d, %d) lacks the colour", i, part.name.c_str(), mid.x, mid.y);
                    return -1;
                }
            }
        }
    }
    return edges;
}

// Packing points inside the board, away from its outline (where a free rectangle's edge lies).
std::vector<PixelPoint> innerPackingPoints(const Layout& layout, const Viewport& view, const QImage& image) {
    const PixelPoint low = view.toPixel(0, 0);
    const PixelPoint high = view.toPixel(layout.boardLength, layout.boardWidth);
    std::vector<PixelPoint> result;
    layout.packingPoints.forEachAlive([&](const Point& p) {
        const PixelPoint px = view.toPixel(p);
        if (px.x > low.x + 1 && px.x < high.x - 1 && px.y < low.y - 1 && px.y > high.y + 1 &&
            image.rect().contains(px.x, px.y))
            result.push_back(px);
    });
    return result;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void titleAndMenus() {
        Harness h;
        QVERIFY(h.window.windowTitle().startsWith("零件排样系统  "));
        QVERIFY(h.window.windowTitle().endsWith("2011.10.5"));
        const std::pair<int, const char*> items[] = {
            {kCommandOpenPartData, "OpenLibIn&Txt"},        {kCommandOpenPartList, "OpenPartList(*.txt)"},
            {kCommandWriteDxfLayout, "LayoutIn&Dxf"},       {kCommandExportParts, "ExportParts(*.dxf)"},
            {kCommandRenewRnPpd, "&Renew_RN_PPD"},          {kCommandIdSequence, "SortByIDSequenceForPacking"},
            {kCommandBlackBackground, "&Black Background"}, {kCommandWhiteBackground, "&White Background"},
            {kCommandShowPackingPoints, "PPT_Visible"},
        };
        for (const auto& [id, text] : items) {
            QVERIFY2(h.window.action(id) != nullptr, text);
            QCOMPARE(h.window.action(id)->text(), QString(text));
        }
    }

    void openSelectAllPackAndSeeThePartsWhereTheLayoutHasThem() {
        Harness h;
        h.open(kPlates);
        QCOMPARE(h.choosers, std::vector<std::string>{"Open File of Parts "});
        QCOMPARE(h.layout().parts.size(), size_t{3});
        QImage image = h.picture();
        QVERIFY(checkEdges(image, h.layout(), h.viewport(), kGreen) > 0);  // parked beside the board

        h.key(Qt::Key_A, Qt::ShiftModifier);
        for (const Part& part : h.layout().parts) QVERIFY(part.selected);
        QVERIFY(checkEdges(h.picture(), h.layout(), h.viewport(), kRed) > 0);

        h.key(Qt::Key_B);
        for (const Part& part : h.layout().parts) QVERIFY(liesWithin(part, h.layout().extent));
        QCOMPARE(h.messages.size(), size_t{1});  // the computing time, answered without blocking
        image = h.picture();
        QVERIFY(checkEdges(image, h.layout(), h.viewport(), kRed) >= 2 * 4 + 3);  // holes too
        const std::vector<PixelPoint> points = innerPackingPoints(h.layout(), h.viewport(), image);
        QVERIFY(points.size() > 20);
        for (const PixelPoint p : points) QCOMPARE(image.pixel(p.x, p.y), rgb(kBlue));

        h.key(Qt::Key_Escape);
        QVERIFY(checkEdges(h.picture(), h.layout(), h.viewport(), kGreen) > 0);
    }

    void boardOutlineIsWhite() {
        Harness h;
        h.open(kPlates);
        // The free rectangle covering the whole board is drawn over the outline; without it the outline shows.
        h.layout().remainingRects = RemainingRectList();
        h.view().update();
        const QImage image = h.picture();
        const PixelPoint low = h.viewport().toPixel(0, 0);
        const PixelPoint high = h.viewport().toPixel(h.layout().boardLength, h.layout().boardWidth);
        for (int x = low.x; x < high.x; x += 7) {
            QCOMPARE(image.pixel(x, low.y), rgb(kWhite));
            QCOMPARE(image.pixel(x, high.y), rgb(kWhite));
        }
        for (int y = high.y; y < low.y; y += 7) {
            QCOMPARE(image.pixel(low.x, y), rgb(kWhite));
            QCOMPARE(image.pixel(high.x, y), rgb(kWhite));
        }
    }

    void viewMenuChecksFollowTheDisplay() {
        Harness h;
        h.open(kPlates);
        h.key(Qt::Key_A, Qt::ShiftModifier);
        h.key(Qt::Key_B);
        QAction* black = h.window.action(kCommandBlackBackground);
        QAction* white = h.window.action(kCommandWhiteBackground);
        QAction* points = h.window.action(kCommandShowPackingPoints);
        QVERIFY(black->isChecked() && !white->isChecked() && points->isChecked());

        white->trigger();
        QVERIFY(!black->isChecked() && white->isChecked());
        QCOMPARE(h.picture().pixel(2, 2), rgb(kWhite));
        white->trigger();  // choosing the checked item again keeps it checked
        QVERIFY(!black->isChecked() && white->isChecked());
        black->trigger();
        QVERIFY(black->isChecked() && !white->isChecked());
        QCOMPARE(h.picture().pixel(2, 2), rgb(kBlack));

        const std::vector<PixelPoint> shown = innerPackingPoints(h.layout(), h.viewport(), h.picture());
        QVERIFY(!shown.empty());
        points->trigger();
        QVERIFY(!points->isChecked());
        QImage image = h.picture();
        for (const PixelPoint p : shown) QVERIFY(image.pixel(p.x, p.y) != rgb(kBlue));
        points->trigger();
        QVERIFY(points->isChecked());
        image = h.picture();
        for (const PixelPoint p : shown) QCOMPARE(image.pixel(p.x, p.y), rgb(kBlue));
    }

    void dialogButtonsRenewRnAndPpd() {
        Harness h;
        h.open(kPlates);
        h.window.action(kCommandRenewRnPpd)->trigger();
        h.window.action(kCommandRenewRnPpd)->trigger();
        QList<RnPpdDialog*> dialogs = h.window.findChildren<RnPpdDialog*>();
        QCOMPARE(dialogs.size(), 2);  // several can be open
        RnPpdDialog* dialog = dialogs.first();
        QVERIFY(dialog->isVisible() && !dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QString("Renew RN&PPD"));
        auto* rn = dialog->findChild<QLineEdit*>("1001");
        auto* ppd = dialog->findChild<QLineEdit*>("1002");
        auto* renewRn = dialog->findChild<QPushButton*>("1004");
        auto* renewPpd = dialog->findChild<QPushButton*>("1000");
        auto* ok = dialog->findChild<QPushButton*>("1");
        QVERIFY(rn && ppd && renewRn && renewPpd && ok && dialog->findChild<QPushButton*>("2"));
        QCOMPARE(renewRn->text(), QString("RenewRN"));
        QCOMPARE(renewPpd->text(), QString("Renew PPD"));
        QCOMPARE(dialog->objectName(), QString("102"));
        QCOMPARE(rn->text(), QString("4"));
        QCOMPARE(ppd->text(), QString::fromStdString(formatPpd(h.layout().ppd)));

        // Return in an edit box neither closes the dialog nor takes the value over.
        rn->setText("6");
        QTest::keyClick(rn, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(h.layout().rn, 4);
        QTest::mouseClick(renewRn, Qt::LeftButton);
        QCOMPARE(h.layout().rn, 6);
        ppd->setText("12.5abc");
        QTest::mouseClick(renewPpd, Qt::LeftButton);
        QCOMPARE(h.layout().ppd, 12.5);
        QVERIFY(h.layout().packingPoints.count() > 0);
        QVERIFY(h.messages.empty());
        rn->setText("0");
        QTest::mouseClick(renewRn, Qt::LeftButton);
        QCOMPARE(h.layout().rn, 6);
        QCOMPARE(h.messages.size(), size_t{1});
        QCOMPARE(h.messages[0].first, std::string(kWarningCaption));

        // OK applies nothing and closes only its own dialog.
        rn->setText("9");
        const QPointer<RnPpdDialog> closing = dialog;
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(h.layout().rn, 6);
        QCOMPARE(h.window.findChildren<RnPpdDialog*>().size(), 1);
    }

    void wheelZoomsAboutTheCursor() {
        Harness h;
        h.open(kPlates);
        const QPoint cursor(300, 200);
        const auto turn = [&](QPoint angle) {
            QWheelEvent event(cursor, h.view().mapToGlobal(cursor), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(&h.view(), &event);
        };
        const double scale = h.viewport().scale();
        const Point under = h.viewport().toModel(cursor.x(), cursor.y());
        turn(QPoint(0, 120));
        QCOMPARE(h.viewport().scale(), scale * 1.1);
        const Point after = h.viewport().toModel(cursor.x(), cursor.y());
        QVERIFY(std::abs(after.x - under.x) <= 1.0 / h.viewport().scale());
        QVERIFY(std::abs(after.y - under.y) <= 1.0 / h.viewport().scale());
        QCOMPARE(h.viewport().toPixel(under), (PixelPoint{cursor.x(), cursor.y()}));

        turn(QPoint(0, -120));
        QCOMPARE(h.viewport().scale(), scale * 1.1 * 0.9);
        turn(QPoint(120, 0));  // sideways: no zoom
        QCOMPARE(h.viewport().scale(), scale * 1.1 * 0.9);
    }

    void clicksAndMouseMovementReachTheModes() {
        Harness h;
        h.open(kPlates);
        h.key(Qt::Key_A, Qt::ShiftModifier);
        h.key(Qt::Key_B);
        h.key(Qt::Key_Escape);
        h.key(Qt::Key_S);
        // A click on a part's edge toggles it; the right button does nothing.
        const Part& first = h.layout().parts.front();
        const PixelPoint onEdge = h.viewport().toPixel((first.xmin + first.xmax) / 2, first.ymin + 1);
        QTest::mouseClick(&h.view(), Qt::RightButton, Qt::NoModifier, QPoint(onEdge.x, onEdge.y));
        QVERIFY(!first.selected);
        QTest::mouseClick(&h.view(), Qt::LeftButton, Qt::NoModifier, QPoint(onEdge.x, onEdge.y));
        QVERIFY(first.selected);
        QCOMPARE(h.commands().state().clickCount, 0);

        // A first click on empty space starts a rubber band that follows the mouse.
        const PixelPoint empty = h.viewport().toPixel(h.layout().boardLength - 5, h.layout().boardWidth - 5);
        QTest::mouseClick(&h.view(), Qt::LeftButton, Qt::NoModifier, QPoint(empty.x, empty.y));
        QCOMPARE(h.commands().state().clickCount, 1);
        QTest::mouseMove(&h.view(), QPoint(empty.x - 40, empty.y + 30));
        QCOMPARE(h.commands().state().selEnd, (PixelPoint{empty.x - 40, empty.y + 30}));
        const QImage band = h.picture().copy(empty.x - 40, empty.y, 41, 31);
        int magenta = 0;
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < band.width(); ++x) magenta += band.pixel(x, y) == rgb(kMagenta);
        QVERIFY(magenta > 40);
        QVERIFY(magenta < 2 * (40 + 30));  // dragged leftwards: dashed
    }

    void arrowsSlideAndTheTimerAnimates() {
        Harness h;
        h.open(kPlates);
        h.key(Qt::Key_A, Qt::ShiftModifier);
        QElapsedTimer clock;
        clock.start();
        h.key(Qt::Key_D);
        QVERIFY(h.commands().state().animating);
        // One part per tick, each after the tone of the one before (200 ms each here, silent or not).
        QTRY_VERIFY_WITH_TIMEOUT(!h.commands().state().animating, 15000);
        QVERIFY(clock.elapsed() >= 400);
        for (const Part& part : h.layout().parts) QVERIFY(liesWithin(part, h.layout().extent));

        h.key(Qt::Key_Escape);
        h.key(Qt::Key_N);  // nothing is left off the board: nothing fetched
        Part& top = h.layout().parts.front();
        top.selected = true;
        const double before = top.xmin;
        h.key(Qt::Key_Right);
        QVERIFY(top.xmin >= before);
        QVERIFY(liesWithin(top, h.layout().extent));
    }

    void animationWaitsWhileAModalMessageIsUp() {
        Harness h;
        h.open(kPlates);
        h.key(Qt::Key_A, Qt::ShiftModifier);
        h.key(Qt::Key_D);
        QMessageBox box(QMessageBox::Information, kNoticeCaption, "modal");
        box.setWindowModality(Qt::ApplicationModal);
        int placedWhileUp = -1;
        QTimer::singleShot(600, &box, [&] {
            placedWhileUp = 0;
            for (const Part& part : h.layout().parts) placedWhileUp += liesWithin(part, h.layout().extent);
            box.accept();
        });
        box.exec();
        QCOMPARE(placedWhileUp, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!h.commands().state().animating, 15000);
    }

    void startUpOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("partList");
        QTest::newRow("nothing") << QStringList{"orvanest"} << true << QString() << false;
        QTest::newRow("a job") << QStringList{"orvanest", "job.txt"} << true << QString("job.txt") << false;
        QTest::newRow("a part list") << QStringList{"orvanest", "--list", "parts.txt"} << true << QString("parts.txt")
                                     << true;
        QTest::newRow("--list without a file") << QStringList{"orvanest", "--list"} << false << QString() << false;
        QTest::newRow("two files") << QStringList{"orvanest", "a.txt", "b.txt"} << false << QString() << false;
        QTest::newRow("unknown option") << QStringList{"orvanest", "--fast", "a.txt"} << false << QString() << false;
    }
    void startUpOptions() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        QFETCH(QString, path);
        QFETCH(bool, partList);
        int exitCode = -1;
        const std::optional<StartUpOptions> options = parseStartUpOptions(arguments, exitCode);
        QCOMPARE(options.has_value(), accepted);
        if (!accepted) {
            QCOMPARE(exitCode, 2);
            return;
        }
        QCOMPARE(options->path, path);
        QCOMPARE(options->partList, partList);
    }

    void startUpOpensTheFileGiven() {
        Harness h;
        startUp(h.window, StartUpOptions{QString::fromStdString(kPlates), false, {}});
        QVERIFY(h.commands().layout() != nullptr);
        QCOMPARE(h.layout().parts.size(), size_t{3});
        QVERIFY(h.choosers.empty());

        // A file that cannot be read is reported and the open job stays.
        startUp(h.window, StartUpOptions{"/nonexistent/job.txt", false, {}});
        QCOMPARE(h.messages.size(), size_t{1});
        QCOMPARE(h.layout().parts.size(), size_t{3});
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
