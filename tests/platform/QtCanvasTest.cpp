#include <QImage>
#include <QPainter>
#include <QTest>

#include "platform/qt/QtCanvas.h"

using namespace orvanest;

namespace {

QImage drawn(const std::function<void(Canvas&)>& draw) {
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QtCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

QRgb rgb(Rgb colour) { return qRgb(colour.r, colour.g, colour.b); }

int count(const QImage& image, Rgb colour) {
    int result = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) result += image.pixel(x, y) == rgb(colour);
    return result;
}

}  // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void lineCoversStartButNotEnd_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("pixels");
        QTest::newRow("rightwards") << QPoint(2, 5) << QPoint(10, 5) << 8;
        QTest::newRow("leftwards") << QPoint(10, 5) << QPoint(2, 5) << 8;
        QTest::newRow("downwards") << QPoint(4, 2) << QPoint(4, 9) << 7;
        QTest::newRow("upwards") << QPoint(4, 9) << QPoint(4, 2) << 7;
        QTest::newRow("diagonal") << QPoint(3, 3) << QPoint(9, 9) << 6;
        QTest::newRow("steep, up and left") << QPoint(9, 20) << QPoint(6, 3) << 17;
        QTest::newRow("zero length draws nothing") << QPoint(6, 6) << QPoint(6, 6) << 0;
    }
    void lineCoversStartButNotEnd() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, pixels);
        const QImage image = drawn([&](Canvas& canvas) {
            canvas.drawLine({from.x(), from.y()}, {to.x(), to.y()}, Pen{kGreen, 1, LineStyle::Solid});
        });
        QCOMPARE(count(image, kGreen), pixels);
        if (pixels > 0) {
            QCOMPARE(image.pixel(from), rgb(kGreen));
            QCOMPARE(image.pixel(to), rgb(kBlack));
        }
    }

    void closedOutlineCoversEveryCornerOnce() {
        // Counter-clockwise on screen, as a board drawn with y up comes out: no corner may be left out.
        const QImage image = drawn([](Canvas& canvas) {
            const Pen pen{kWhite, 1, LineStyle::Solid};
            canvas.drawLine({2, 20}, {20, 20}, pen);
            canvas.drawLine({20, 20}, {20, 2}, pen);
            canvas.drawLine({20, 2}, {2, 2}, pen);
            canvas.drawLine({2, 2}, {2, 20}, pen);
        });
        QCOMPARE(count(image, kWhite), 4 * 18);
        for (const QPoint corner : {QPoint(2, 2), QPoint(20, 2), QPoint(20, 20), QPoint(2, 20)})
            QCOMPARE(image.pixel(corner), rgb(kWhite));
    }

    void farOffEndsAreClippedNotWalked() {
        const QImage image = drawn([](Canvas& canvas) {
            canvas.drawLine({-2'000'000'000, 7}, {2'000'000'000, 7}, Pen{kGreen, 1, LineStyle::Solid});
            // x + y = 23 from one end of the int32 range to the other.
            canvas.drawLine({2'147'483'647, 23 - 2'147'483'647}, {23 - 2'147'483'647, 2'147'483'647},
                            Pen{kBlue, 1, LineStyle::Solid});
        });
        QCOMPARE(count(image, kGreen), 23);  // (16, 7) lies on the blue diagonal, drawn later
        QCOMPARE(count(image, kBlue), 24);
        QCOMPARE(image.pixel(23, 0), rgb(kBlue));

        const QImage wide = drawn([](Canvas& canvas) {
            canvas.drawLine({-2'000'000'000, 8}, {2'000'000'000, 8}, Pen{kRed, 2, LineStyle::Solid});
            canvas.drawLine({5, -2'000'000'000}, {5, -1'000'000'000},
                            Pen{kRed, 2, LineStyle::Solid});  // off the surface
        });
        QCOMPARE(count(wide, kRed), 2 * 24);
    }

    void wideLineIsTwoPixelsThick() {
        const QImage image = drawn([](Canvas& canvas) {
            canvas.drawLine({2, 8}, {12, 8}, Pen{kRed, 2, LineStyle::Solid});
        });
        QCOMPARE(count(image, kRed), 20);
    }

    void dashedPathLeavesGapsAndRunsAcrossCorners() {
        const std::vector<PixelPoint> band{{2, 2}, {20, 2}, {20, 20}, {2, 20}, {2, 2}};
        const QImage solid = drawn([&](Canvas& canvas) { canvas.drawPath(band, Pen{kMagenta, 1, LineStyle::Solid}); });
        const QImage dashed = drawn([&](Canvas& canvas) { canvas.drawPath(band, Pen{kMagenta, 1, LineStyle::Dash}); });
        // The closed solid path covers each corner once.
        QCOMPARE(count(solid, kMagenta), 4 * 18);
        QVERIFY(count(dashed, kMagenta) > 0);
        QVERIFY(count(dashed, kMagenta) < count(solid, kMagenta));
        // Gaps are transparent: nothing but the background shows between the dashes.
        QCOMPARE(count(dashed, kMagenta) + count(dashed, kBlack), 24 * 24);
    }

    void fillAndSinglePixels() {
        const QImage image = drawn([](Canvas& canvas) {
            canvas.fill(kWhite);
            canvas.setPixel({3, 4}, kBlue);
            canvas.setPixel({-5, 4}, kBlue);  // off the surface: ignored
        });
        QCOMPARE(count(image, kBlue), 1);
        QCOMPARE(image.pixel(3, 4), rgb(kBlue));
        QCOMPARE(count(image, kWhite), 24 * 24 - 1);
    }
};

QTEST_MAIN(QtCanvasTest)
#include "QtCanvasTest.moc"
