#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "maintenance/Backup.h"
#include "maintenance/BackupFlow.h"
#include "maintenance/ClosingFlow.h"
#include "maintenance/PhysicalClosing.h"
#include "maintenance/Restore.h"
#include "maintenance/YearClosing.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "store/TableDump.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// The backup, restore and closing commands driven through their questions, as the user meets them.
class TestFlows : public QObject
{
    Q_OBJECT

    struct Run
    {
        Settings settings;
        ScriptedMessenger messenger;
        ScriptedFilePrompt files;
        ScriptedDatePrompt dates;
        QTemporaryDir programDir;
        Services services {settings, messenger, files, dates};

        explicit Run(const TempDatabase &db)
        {
            settings.setProgramPath(programDir.path());
            settings.setDbPath(db.path());
            settings.setAktivRaktar(1);
            settings.setMunkaEv(QStringLiteral("2025"));
            settings.setLoginUser(QStringLiteral("anna"));
            settings.setDbMinVer(DatabaseCreator::databaseVersion());
        }
    };

    static int movements(const TempDatabase &db)
    {
        QSqlQuery query(db.warehouse(1));
        return query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Raktar\"")) && query.next() ? query.value(0).toInt() : -1;
    }

private slots:
    // Back up, record a voucher, restore: the voucher is gone and the safety copy is kept.
    void backupAndRestore()
    {
        TempDatabase db(QDate(2025, 6, 1));
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        StockFixture::addReportStock(db.warehouse(1));
        Run run(db);
        const QString archive = run.programDir.filePath(QStringLiteral("raktar1.zip"));
        const QByteArray before = TableDump::dump(db.path(), 1);

        run.messenger.answer(MsgResult::Ok);
        run.files.answer(archive);
        run.messenger.answer(MsgResult::Yes);
        QCOMPARE(BackupFlow::backup(run.services, 1, {}), BackupFlow::Outcome::Done);
        QCOMPARE(run.messenger.last().text, Backup::verifiedText());
        QVERIFY(!run.messenger.progressVisible());

        StockFixture::addMaterial(db.warehouse(1), QStringLiteral("300"), QStringLiteral("0001"), QStringLiteral("Új"));
        run.messenger.answer(MsgResult::Yes);
        run.files.answer(archive);
        QCOMPARE(BackupFlow::restore(run.services, 1, {}), BackupFlow::Outcome::Done);
        QVERIFY(run.messenger.texts().contains(Restore::successText()));
        QCOMPARE(TableDump::dump(db.path(), 1), before);
        QVERIFY(QFile::exists(run.programDir.filePath(QStringLiteral("Backup/DBBackup.zip"))));

        // The wrong kind is refused with nothing changed.
        run.messenger.clear();
        run.messenger.answer(MsgResult::Yes);
        run.files.answer(archive);
        QCOMPARE(BackupFlow::restore(run.services, 0, {}), BackupFlow::Outcome::Failed);
        QCOMPARE(run.messenger.last().text, Restore::wrongKindText(ArchiveKind::Warehouse));
        QCOMPARE(TableDump::dump(db.path(), 1), before);
    }

    void cancelled_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message"); // the warning after it, or empty
        QTest::addColumn<QString>("help"); // the page opened, or empty
        QTest::newRow("Mégse") << int(MsgResult::Cancel) << BackupFlow::backupCancelledText() << "";
        QTest::newRow("Súgó") << int(MsgResult::Help) << "" << "backup.htm";
    }

    void cancelled()
    {
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(QString, help);
        TempDatabase db(QDate(2025, 6, 1));
        Run run(db);
        QString opened;
        run.messenger.answer(answer);
        QCOMPARE(BackupFlow::backup(run.services, 1, [&](const QString &page) { opened = page; }),
            BackupFlow::Outcome::Cancelled);
        QCOMPARE(opened, help);
        QCOMPARE(run.messenger.shown().size(), message.isEmpty() ? 1 : 2);
        if (!message.isEmpty())
            QCOMPARE(run.messenger.last().text, message);
        QVERIFY(QDir(run.programDir.path()).entryList(QStringList {"*.zip"}).isEmpty());
    }

    // A physical closing whose backup was not written deletes nothing; with the backup it runs to
    // the chosen date; a cancelled date prompt deletes nothing.
    void physicalClosing()
    {
        TempDatabase db(QDate(2025, 6, 1));
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        StockFixture::addReportStock(db.warehouse(1));
        QSqlQuery(db.warehouse(1)).exec(QStringLiteral(
            "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES ('2025-04-30', 'Havi zárás', 'anna')"));
        Run run(db);
        const int rows = movements(db);

        // "Igen" to the backup, then the file choice cancelled.
        run.messenger.answer(MsgResult::Yes);
        run.messenger.answer(MsgResult::Yes);
        run.messenger.answer(MsgResult::Ok);
        run.files.answer(QString());
        QCOMPARE(ClosingFlow::closePhysically(run.services, {}), ClosingFlow::Outcome::Cancelled);
        QCOMPARE(run.messenger.last().text, PhysicalClosing::backupFailedText());
        QCOMPARE(movements(db), rows);

        // No date chosen.
        run.messenger.answer(MsgResult::Yes);
        run.messenger.answer(MsgResult::No);
        run.messenger.answer(MsgResult::Ok);
        run.dates.answer(DatePrompt::noDate());
        QCOMPARE(ClosingFlow::closePhysically(run.services, {}), ClosingFlow::Outcome::Cancelled);
        QCOMPARE(movements(db), rows);

        // With a checked backup, to 2 March.
        run.messenger.clear();
        const QString archive = run.programDir.filePath(QStringLiteral("elotte.zip"));
        run.messenger.answer(MsgResult::Yes); // first warning
        run.messenger.answer(MsgResult::Yes); // backup?
        run.messenger.answer(MsgResult::Ok); // backup intro
        run.files.answer(archive);
        run.messenger.answer(MsgResult::Yes); // check it
        run.messenger.answer(MsgResult::Ok); // "verified" notice
        run.messenger.answer(MsgResult::Ok); // last warning
        run.dates.answer(QDate(2025, 3, 2));
        QCOMPARE(ClosingFlow::closePhysically(run.services, {}), ClosingFlow::Outcome::Closed);
        QVERIFY(run.messenger.texts().contains(Backup::verifiedText()));
        QCOMPARE(run.messenger.last().text, PhysicalClosing::doneText());
        QVERIFY(QFile::exists(archive));
        QCOMPARE(movements(db), rows - 3 + 2);
    }

    void yearClosingAsksFirst()
    {
        TempDatabase db(QDate(2025, 6, 1));
        Run run(db);
        run.messenger.answer(MsgResult::No);
        QCOMPARE(ClosingFlow::closeYear(run.services), ClosingFlow::Outcome::Cancelled);
        QCOMPARE(run.messenger.last().caption, QStringLiteral("Megerősítés!"));
        QCOMPARE(run.messenger.last().text, YearClosing::confirmText());
        QCOMPARE(YearClosing::activeYear(db.warehouse(1)), 2025);
    }
};

QTEST_GUILESS_MAIN(TestFlows)
#include "tst_flows.moc"
