#include <QProgressDialog>
#include <QTest>
#include <QWidget>

#include "platform/qt/PackingProgressDialog.h"

using namespace orvanest;

class PackingProgressDialogTest : public QObject {
    Q_OBJECT

private slots:
    void shortRunsShowNothing() {
        QWidget owner;
        PackingProgressDialog progress(&owner);
        for (int done = 1; done <= 5; ++done) QVERIFY(progress.report(done, 5));
        QVERIFY(owner.findChildren<QProgressDialog*>().isEmpty());
    }

    void longRunShowsProgressAndCancelStopsIt() {
        QWidget owner;
        owner.show();
        PackingProgressDialog progress(&owner);
        QVERIFY(progress.report(1, 10));
        QTest::qWait(600);
        QVERIFY(progress.report(2, 10));
        const auto dialogs = owner.findChildren<QProgressDialog*>();
        QCOMPARE(dialogs.size(), 1);
        QVERIFY(dialogs.front()->isVisible());
        QCOMPARE(dialogs.front()->value(), 2);
        QCOMPARE(dialogs.front()->maximum(), 10);
        dialogs.front()->cancel();
        QVERIFY(!progress.report(3, 10));
        QVERIFY(owner.findChildren<QProgressDialog*>().isEmpty());
    }

    void theEndOfARunClosesIt() {
        QWidget owner;
        owner.show();
        PackingProgressDialog progress(&owner);
        QVERIFY(progress.report(1, 3));
        QTest::qWait(600);
        QVERIFY(progress.report(2, 3));
        QCOMPARE(owner.findChildren<QProgressDialog*>().size(), 1);
        QVERIFY(progress.report(3, 3));
        QVERIFY(owner.findChildren<QProgressDialog*>().isEmpty());
    }
};

QTEST_MAIN(PackingProgressDialogTest)
#include "PackingProgressDialogTest.moc"
