#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/FileChoosers.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/StandardDialogs.h"
#include "platform/qt/TonePlayer.h"
#include "support/TestJobs.h"

using namespace orvanest;

namespace {

// Runs `answer` on the modal dialog of type T once it is up (message boxes and choosers block).
template <typename T, typename Answer>
void whenModal(Answer answer) {
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(qobject_cast<T*>(QApplication::activeModalWidget()) != nullptr);
        answer(*qobject_cast<T*>(QApplication::activeModalWidget()));
    });
}

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxShowsCaptionTextAndIcon_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::newRow("warning") << QString(kWarningCaption) << int(QMessageBox::Warning);
        QTest::newRow("notice") << QString(kNoticeCaption) << int(QMessageBox::Information);
    }
    void messageBoxShowsCaptionTextAndIcon() {
        QFETCH(QString, caption);
        QFETCH(int, icon);
        QString shownTitle;
        QString shownText;
        int shownIcon = -1;
        bool applicationModal = false;
        whenModal<QMessageBox>([&](QMessageBox& box) {
            shownTitle = box.windowTitle();
            shownText = box.text();
            shownIcon = box.icon();
            applicationModal = box.windowModality() == Qt::ApplicationModal;
            box.button(QMessageBox::Ok)->click();
        });
        QtPlatform platform(nullptr);
        platform.showMessage(caption.toStdString(), "排样计算时间: 1.50 s");
        QCOMPARE(shownTitle, caption);
        QCOMPARE(shownText, QString("排样计算时间: 1.50 s"));
        QCOMPARE(shownIcon, icon);
        QVERIFY(applicationModal);
    }

    void choosersShareOnePathAndKeepItWhenCancelled() {
        const testing::TemporaryFolder folder;
        const std::string job = folder.write("job.txt", testing::kMinimalJob);
        QtPlatform platform(nullptr);
        std::string filePath;

        whenModal<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Open File of Parts "));
            QCOMPARE(dialog.nameFilters(), QStringList{"Text Files (*.TXT) (*.txt)"});
            QVERIFY(dialog.testOption(QFileDialog::HideNameFilterDetails));  // shows "Text Files (*.TXT)"
            QCOMPARE(dialog.defaultSuffix(), QString("txt"));
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
            dialog.selectFile(QString::fromStdString(job));
            static_cast<QDialog&>(dialog).accept();
        });
        QVERIFY(platform.chooseFile(openFileChooser(), filePath));
        QCOMPARE(filePath, job);

        // The save chooser starts where the open chooser ended; cancelling keeps the path.
        whenModal<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Write DXF File of Layout"));
            QCOMPARE(dialog.nameFilters(), QStringList{"Text Files (*.DXF) (*.dxf)"});
            QVERIFY(dialog.testOption(QFileDialog::HideNameFilterDetails));  // shows "Text Files (*.DXF)"
            QCOMPARE(dialog.defaultSuffix(), QString("dxf"));
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
            QCOMPARE(dialog.selectedFiles().value(0), QString::fromStdString(job));
            dialog.reject();
        });
        QVERIFY(!platform.chooseFile(saveFileChooser(), filePath));
        QCOMPARE(filePath, job);
    }

    void saveChooserAsksBeforeOverwriting() {
        const testing::TemporaryFolder folder;
        const std::string existing = folder.write("layout.dxf", "0\nEOF\n");
        QtPlatform platform(nullptr);
        std::string filePath = existing;
        bool asked = false;
        whenModal<QFileDialog>([&](QFileDialog& dialog) {
            // Declining the overwrite leaves the chooser open; then the user cancels.
            QTimer::singleShot(0, [&] {
                QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
                asked = true;
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::No)->click();
                QTimer::singleShot(0, &dialog, &QFileDialog::reject);
            });
            static_cast<QDialog&>(dialog).accept();
        });
        QVERIFY(!platform.chooseFile(saveFileChooser(), filePath));
        QVERIFY(asked);
        QCOMPARE(filePath, existing);
    }

    void testsAnswerMessagesAndChoosersThemselves() {
        QtPlatform platform(nullptr);
        std::vector<std::string> captions;
        platform.answerMessagesWith(
            [&](const std::string& caption, const std::string&) { captions.push_back(caption); });
        platform.answerChoosersWith([](const FileChooser& chooser, std::string& path) {
            path = "/jobs/a." + chooser.defaultExtension;
            return true;
        });
        platform.showMessage(kWarningCaption, "x");
        std::string path;
        QVERIFY(platform.chooseFile(saveFileChooser(), path));
        QCOMPARE(captions, std::vector<std::string>{kWarningCaption});
        QCOMPARE(path, std::string("/jobs/a.dxf"));
    }

    void toneKeepsPlayingForItsLengthWithoutBlocking() {
        QtPlatform platform(nullptr);
        QElapsedTimer clock;
        clock.start();
        platform.playTone(880, 200);
        QVERIFY(clock.elapsed() < 150);  // returns at once
        QVERIFY(platform.tonePlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!platform.tonePlaying(), 3000);
        QVERIFY(clock.elapsed() >= 200);
        // A new tone cuts off the one before and starts its own length.
        platform.playTone(440, 5000);
        platform.playTone(440, 50);
        QTRY_VERIFY_WITH_TIMEOUT(!platform.tonePlaying(), 3000);
    }

    void sineSamplesHaveTheFrequencyAndLength() {
        QAudioFormat format;
        format.setSampleRate(8000);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        const QByteArray samples = sineSamples(format, 1000, 250);
        QCOMPARE(samples.size(), qsizetype{2000 * 2});
        const auto* values = reinterpret_cast<const qint16*>(samples.constData());
        int rises = 0;
        qint16 peak = 0;
        for (int i = 1; i < 2000; ++i) {
            rises += values[i - 1] < 0 && values[i] >= 0;
            peak = std::max<qint16>(peak, values[i]);
        }
        QVERIFY(std::abs(rises - 250) <= 1);
        QVERIFY(peak > 8000);
        QVERIFY(std::abs(values[0]) < 100);  // faded in, so it starts without a click

        format.setSampleFormat(QAudioFormat::UInt8);
        QVERIFY(sineSamples(format, 1000, 250).isEmpty());
        format.setSampleFormat(QAudioFormat::Float);
        format.setChannelCount(2);
        QCOMPARE(sineSamples(format, 1000, 250).size(), qsizetype{2000 * 2 * 4});
        QVERIFY(sineSamples(format, 0, 250).isEmpty());
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
