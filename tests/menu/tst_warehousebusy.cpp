#include "core/ScriptedMessenger.h"
#include "master/Materials.h"
#include "master/Partners.h"
#include "master/RecipeCopy.h"
#include "master/RecipeDeletion.h"
#include "master/RecipeHeader.h"
#include "master/RecipeLines.h"
#include "master/RecipeRecompute.h"
#include "menu/Headcount.h"
#include "menu/MenuCopy.h"
#include "menu/MenuRows.h"
#include "menu/RationBuilder.h"
#include "menu/RationDayDeletion.h"
#include "menu/RationDraft.h"
#include "menu/RationIssue.h"
#include "menu/RationStockAtDate.h"
#include "reports/InventoryDifference.h"
#include "session/Settings.h"
#include "stock/StockAtDate.h"
#include "stock/StockLedger.h"
#include "stock/YearOpening.h"
#include "store/Database.h"
#include "store/WriteFailure.h"
#include "support/RationFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

// Another computer holds the warehouse's write lock: every write refuses with the one "busy" text
// and leaves every table as it was, on both engines. The question before a deletion is asked
// without the lock.
class TestWarehouseBusy : public QObject
{
    Q_OBJECT
private:
    const QDate m_date {2026, 3, 10};
    const QDate m_today {2026, 3, 11};
    const QDate m_closed {2026, 1, 31};
    EngineDatabases m_databases {QDate(2026, 1, 5)};
    TempDatabase *m_db = nullptr;
    QTemporaryDir m_iniDir;
    Settings m_settings;
    qint64 m_receipt = 0;
    qint64 m_menuRow = 0;
    qint64 m_recipeLine = 0;
    RationSheet m_sheet;

    QSqlDatabase db() const { return m_db->warehouse(1); }
    StockOptions options() const { return StockOptions {QStringLiteral("anna"), false}; }

    static QString entries()
    {
        return QStringLiteral(
            "stock record,stock change,stock remove,issue voucher removal,voucher post,stock at date,year opening,"
            "ration issue,ration day deletion,ration draft,headcount,menu row add,menu row change,menu row remove,"
            "menu copy,partner insert,partner update,partner remove,material insert,material update,material remove,"
            "recipe add,recipe line add,recipe line change,recipe line remove,recipe copy,recipe deletion,"
            "recipe recompute,inventory difference");
    }

    // Every row of the tables the writes touch, as text, in a fixed order.
    QStringList contents()
    {
        QStringList rows;
        for (const char *table : {"Raktar", "Anyag", "Partner", "Letszam", "Etlap", "Recept", "ReceptFej", "Kiszabat",
                 "TmpKiszabat", "TmpKiszabat_2", "Leltar", "Munkaev", "Sorszam", "Napizaras"}) {
            QSqlQuery query(db());
            if (!query.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(QLatin1String(table)))) {
                rows << QLatin1String(table) + QStringLiteral(": ") + query.lastError().text();
                continue;
            }
            QStringList tableRows;
            while (query.next()) {
                QStringList values;
                for (int i = 0; i < query.record().count(); ++i)
                    values << query.value(i).toString();
                tableRows << QLatin1String(table) + QLatin1Char('|') + values.join(QLatin1Char('|'));
            }
            tableRows.sort();
            rows << tableRows;
        }
        return rows;
    }

    PartnerEntry partner(const QString &id)
    {
        PartnerEntry entry;
        entry.id = id;
        entry.name = QStringLiteral("Gabona Kft.");
        entry.postalCode = QStringLiteral("1111");
        entry.settlement = QStringLiteral("Budapest");
        entry.street = QStringLiteral("Fő utca 2.");
        return entry;
    }

    // A cause given as text, worded as the write's refusal.
    static QString causeText(const QString &cause) { return WriteFailure::failed(cause).text; }

    // Runs one write entry point; the text it answers with.
    QString write(const QString &entry)
    {
        QSqlDatabase w = db();
        StockLedger ledger(w, options());
        if (entry == QLatin1String("stock record"))
            return ledger.record(StockFixture::receipt("00000002", m_date, "0001", 1, "100")).refusal.text;
        if (entry == QLatin1String("stock change"))
            return ledger.change(m_receipt, StockFixture::receipt("00000001", QDate(2026, 3, 1), "0001", 20, "200"))
                .refusal.text;
        if (entry == QLatin1String("stock remove"))
            return ledger.remove(m_receipt).refusal.text;
        if (entry == QLatin1String("issue voucher removal"))
            return ledger.removeIssueVoucher(QDate(2026, 3, 1), QStringLiteral("00000001")).refusal.text;
        if (entry == QLatin1String("voucher post")) {
            StockVoucher voucher;
            voucher.bk = QStringLiteral("KI");
            voucher.mozgnem = QStringLiteral("07");
            voucher.bizSzam = QStringLiteral("00000005");
            voucher.datum = m_date;
            voucher.partAzon = QStringLiteral("00001");
            StockItem item;
            item.fokSzla = QStringLiteral("100");
            item.nyilvSzam = QStringLiteral("0001");
            item.quantity = 1;
            voucher.items << item;
            return ledger.post(voucher).refusal.text;
        }
        if (entry == QLatin1String("stock at date")) {
            QString error;
            StockAtDate(w).fillLeltar(m_date, 2026, &error);
            return causeText(error);
        }
        if (entry == QLatin1String("year opening")) {
            ScriptedMessenger messenger;
            return YearOpening(w).open(2027, QStringLiteral("anna"), messenger).refusal.text;
        }
        if (entry == QLatin1String("ration issue")) {
            RationIssueHeader header {QStringLiteral("00000009"), false};
            return RationIssue(w, options()).issue(m_sheet, header, QStringLiteral("anna"), m_today).refusal.text;
        }
        if (entry == QLatin1String("ration day deletion"))
            return RationDayDeletion::remove(w, m_date, options()).refusal.text;
        if (entry == QLatin1String("ration draft"))
            return RationDraft(w, m_settings, QStringLiteral("anna")).save(m_sheet).text;
        if (entry == QLatin1String("headcount"))
            return Headcount::save(w, m_date, QStringLiteral("01"), 40, m_closed).text;
        const MenuRow dish {m_date, QStringLiteral("01"), QStringLiteral("1000"), QStringLiteral("0008"), 1};
        if (entry == QLatin1String("menu row add"))
            return MenuRows::add(w, dish, m_closed).refusal.text;
        if (entry == QLatin1String("menu row change"))
            return MenuRows::change(w, m_menuRow, {m_date.addDays(2), QStringLiteral("01"), QStringLiteral("1000"),
                                                        QStringLiteral("0007"), 3},
                m_closed)
                .text;
        if (entry == QLatin1String("menu row remove"))
            return MenuRows::remove(w, m_menuRow, m_date.addDays(2), m_closed).text;
        if (entry == QLatin1String("menu copy"))
            return MenuCopy::copyDay(w, m_date, MenuCopy::Target {w, true, m_date.addDays(1), m_closed}).text;
        if (entry == QLatin1String("partner insert"))
            return Partners::insert(w, partner(QStringLiteral("00020"))).text;
        if (entry == QLatin1String("partner update"))
            return Partners::update(w, partner(QStringLiteral("00010"))).text;
        if (entry == QLatin1String("partner remove"))
            return Partners::remove(w, QStringLiteral("00010")).text;
        std::optional<MaterialEntry> flour = Materials::read(w, QStringLiteral("100"), QStringLiteral("0001"));
        if (!flour)
            return QStringLiteral("no flour");
        flour->multiplier = 1;
        if (entry == QLatin1String("material insert")) {
            flour->registerNumber = QStringLiteral("0009");
            return Materials::insert(w, *flour).text;
        }
        if (entry == QLatin1String("material update")) {
            flour->name = QStringLiteral("Búzaliszt");
            return Materials::update(w, *flour).text;
        }
        if (entry == QLatin1String("material remove"))
            return Materials::remove(w, QStringLiteral("100"), QStringLiteral("0003")).text;
        if (entry == QLatin1String("recipe add"))
            return RecipeHeaders::add(w, {QStringLiteral("0020"), QStringLiteral("Rakott krumpli"), QString(), QString(),
                                             QString()},
                m_today)
                .refusal.text;
        const RecipeLines::Line line {QStringLiteral("0007"), QStringLiteral("100"), QStringLiteral("0002"), 3};
        if (entry == QLatin1String("recipe line add"))
            return RecipeLines::add(w, line, 10, m_today).refusal.text;
        if (entry == QLatin1String("recipe line change"))
            return RecipeLines::change(w, m_recipeLine, line, m_today).text;
        if (entry == QLatin1String("recipe line remove"))
            return RecipeLines::remove(w, QStringLiteral("0007"), m_recipeLine, m_today).text;
        if (entry == QLatin1String("recipe copy"))
            return RecipeCopy::copy(w, QStringLiteral("0007"), QStringLiteral("0021"), QString(), m_today).refusal.text;
        if (entry == QLatin1String("recipe deletion")) {
            ScriptedMessenger messenger;
            messenger.answer(MsgResult::Ok);
            RecipeDeletion::run(w, messenger, QStringLiteral("0008"), m_today);
            return messenger.last().text;
        }
        if (entry == QLatin1String("recipe recompute"))
            return RecipeRecompute::all(w, m_today) ? QStringLiteral("written") : WriteFailure::busy().text;
        if (entry == QLatin1String("inventory difference")) {
            QString error;
            InventoryDifference(w, InventoryDifference::Owner {QStringLiteral("anna"), QStringLiteral("gep")})
                .start(m_date, 2026, false, &error);
            return causeText(error);
        }
        return QStringLiteral("unknown entry ") + entry;
    }

    // A second connection into warehouse 1 that holds its write lock, as another computer's
    // write does; this connection waits only briefly.
    QSqlDatabase holdWriteLock(const QString &name)
    {
        QSqlDatabase other;
        if (m_db->isServer()) {
            other = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            other.setConnectOptions(Database::connectionInfo(m_db->path()));
            if (!other.open())
                return other;
            QSqlQuery(other).exec(QStringLiteral("SET search_path TO raktar_1"));
            QSqlQuery(other).exec(QStringLiteral("BEGIN"));
            QSqlQuery(other).exec(QStringLiteral("SELECT pg_advisory_xact_lock(1)"));
            QSqlQuery(db()).exec(QStringLiteral("SET lock_timeout TO 50"));
        } else {
            other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            other.setDatabaseName(Database::warehouseFile(m_db->path(), 1));
            if (!other.open())
                return other;
            QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE"));
            QSqlQuery(db()).exec(QStringLiteral("PRAGMA busy_timeout = 50"));
        }
        return other;
    }

    void release(QSqlDatabase other, const QString &name)
    {
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        if (m_db->isServer())
            QSqlQuery(db()).exec(QStringLiteral("SET lock_timeout TO 8000"));
        else
            QSqlQuery(db()).exec(QStringLiteral("PRAGMA busy_timeout = 8000"));
    }

private slots:
    void initTestCase() { m_settings.setIniPath(m_iniDir.filePath(QStringLiteral("salvia.ini"))); }

    // A kitchen with stock, a menu, a recipe with a line, an unused recipe and a partner.
    void init()
    {
        m_db = &m_databases.current();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        RationFixture kitchen(db());
        QVERIFY(kitchen.clear());
        QSqlQuery query(db());
        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Napizaras\"")));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Leltar\"")));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Partner\" WHERE \"PartAzon\" IN ('00010', '00020')")));
        QVERIFY(kitchen.meal("01", "Ebéd", 500));
        QVERIFY(kitchen.material("100", "0001", "Liszt", "KG", 0));
        QVERIFY(kitchen.material("100", "0002", "Cukor", "KG", 1));
        QVERIFY(kitchen.material("100", "0003", "Só", "KG", 1));
        QVERIFY(kitchen.recipe("0007", "Palacsinta", {{"100", "0001", 10}}));
        QVERIFY(kitchen.recipe("0008", "Piskóta", {{"100", "0002", 10}}));
        QVERIFY(kitchen.headcount(m_date, "01", 10));
        QVERIFY(kitchen.menu(m_date, "01", "1000", "0007", 1));
        // A dish on a day without headcount, free to delete.
        QVERIFY(kitchen.menu(m_date.addDays(2), "01", "1000", "0007", 2));
        StockFixture::addPartner(db(), QStringLiteral("00010"), QStringLiteral("Malom Kft."));
        const StockOutcome received
            = StockLedger(db(), options()).record(StockFixture::receipt("00000001", QDate(2026, 3, 1), "0001", 10, "200"));
        QVERIFY2(received.ok(), qPrintable(received.refusal.text));
        m_receipt = received.raktAzon;
        m_menuRow = StockFixture::value(db(), QStringLiteral("SELECT \"EtlapAzon\" FROM \"Etlap\" WHERE \"Mennyiseg\" = 2"))
                        .toLongLong();
        m_recipeLine
            = StockFixture::value(db(), QStringLiteral("SELECT \"ReceptAzon\" FROM \"Recept\" WHERE \"EtelKod\" = '0007'"))
                  .toLongLong();
        RationStockAtDate stock(db(), 2026);
        const auto computed = RationBuilder::compute(db(), m_date, {"01"}, stock);
        QVERIFY2(computed.ok(), qPrintable(computed.refusal.text));
        m_sheet = computed.value.sheet;
        m_sheet.buildTotals();
    }

    void everyWriteIsBusy_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("entry");
        for (const QString &engine : TestEngines::names()) {
            for (const QString &entry : entries().split(QLatin1Char(',')))
                TestEngines::newRow(engine, qPrintable(entry)) << entry;
        }
    }
    void everyWriteIsBusy()
    {
        QFETCH(QString, entry);
        const QStringList before = contents();
        const QString name = QStringLiteral("masik gep");
        QSqlDatabase other = holdWriteLock(name);
        QVERIFY2(other.isOpen(), qPrintable(other.lastError().text()));
        const QString answer = write(entry);
        release(other, name);
        QCOMPARE(answer, WriteFailure::busy().text);
        QCOMPARE(contents(), before);
    }

    // Without another writer the same entry writes: the busy answer above is the lock's.
    void withoutTheLockEveryWriteWrites_data() { everyWriteIsBusy_data(); }
    void withoutTheLockEveryWriteWrites()
    {
        QFETCH(QString, entry);
        const QString answer = write(entry);
        QVERIFY2(answer != WriteFailure::busy().text, qPrintable(answer));
    }

    // A deletion's check and question need no lock: they answer while another computer writes,
    // and only the deletion after "OK" meets the lock.
    void deletionAsksBeforeTheWrite_data() { TestEngines::addRows(); }
    void deletionAsksBeforeTheWrite()
    {
        const QString name = QStringLiteral("masik gep");
        QSqlDatabase other = holdWriteLock(name);
        QVERIFY2(other.isOpen(), qPrintable(other.lastError().text()));
        const Refusal menuCheck = MenuRows::checkRemove(db(), m_menuRow, m_date.addDays(2), m_closed);
        const Refusal lineCheck = RecipeLines::checkRemove(m_recipeLine);
        const Refusal menuRemoval = MenuRows::remove(db(), m_menuRow, m_date.addDays(2), m_closed);
        const Refusal lineRemoval = RecipeLines::remove(db(), QStringLiteral("0007"), m_recipeLine, m_today);
        release(other, name);
        QVERIFY2(menuCheck.isNull(), qPrintable(menuCheck.text));
        QVERIFY(lineCheck.isNull());
        QCOMPARE(MenuRows::removeQuestion(), QStringLiteral("Valóban törli az adatot?\rAz adat visszavonhatatlanul törlődik!"));
        QCOMPARE(menuRemoval.text, WriteFailure::busy().text);
        QCOMPARE(lineRemoval.text, WriteFailure::busy().text);
        QCOMPARE(StockFixture::value(db(), QStringLiteral("SELECT COUNT(*) FROM \"Etlap\"")).toInt(), 2);
        QCOMPARE(StockFixture::value(db(), QStringLiteral("SELECT COUNT(*) FROM \"Recept\"")).toInt(), 2);
    }
};

QTEST_GUILESS_MAIN(TestWarehouseBusy)
#include "tst_warehousebusy.moc"
