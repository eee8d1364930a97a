// The update history file: what is appended is read back as it was, and a file that anyone may
// have edited, cut or filled with rubbish gives the records it holds and nothing else.
#include "firmware/UpdateHistory.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
UpdateHistory::Record record(const QString& location, const QString& reason)
{
    UpdateHistory::Record r;
    r.time = QDateTime(QDate(2026, 12, 3), QTime(10, 15, 2), Qt::UTC);
    r.location = location;
    r.serial = "0A1B2C3A0F21";
    r.from_version = "1.1.1.5";
    r.to_version = "1.1.2.17";
    r.result = "failed";
    r.reason = reason;
    return r;
}

const QByteArray kGood
    = "2026-12-03T10:15:02Z\tLab 2\t0A1B2C3A0F21\t1.1.1.5\t1.1.2.17\tupdated\t\n";
} // namespace

class tst_UpdateHistory : public QObject
{
    Q_OBJECT

private slots:
    void appended_isReadBackAsItWas()
    {
        QTemporaryDir dir;
        const UpdateHistory history(dir.filePath("sub/folder/history.txt"));
        const QList<UpdateHistory::Record> written
            = { record("Lab 2", "writing failed: the box did not accept the data"),
                record("Tab\there, line\nbreak, back\\slash\r", "\u00e9t\u00e9 \u2192 ok"),
                record("", "") };
        for (const UpdateHistory::Record& r : written)
            QVERIFY(history.append(r));
        const QVector<UpdateHistory::Record> read = history.read();
        QCOMPARE(read.size(), written.size());
        for (int i = 0; i < written.size(); ++i)
            QVERIFY(read[i] == written[i]);
        QVERIFY(UpdateHistory().append(written.first())); // no file: nothing to do
        QVERIFY(UpdateHistory().read().isEmpty());
    }

    void hostileFiles_giveWhatTheyHold_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("records");
        QTest::newRow("comment and blank lines") << "# a comment\n\n" + kGood + "\n" << 1;
        QTest::newRow("no final line break") << kGood + kGood.left(kGood.size() - 1) << 2;
        QTest::newRow("CR LF") << QByteArray(kGood).replace("\n", "\r\n") << 1;
        QTest::newRow("six fields") << "2026-12-03T10:15:02Z\ta\tb\tc\td\tupdated\n" + kGood << 1;
        QTest::newRow("eight fields") << QByteArray(kGood).replace("\n", "\tx\n") + kGood << 1;
        QTest::newRow("bad time") << QByteArray(kGood).replace("2026-12", "2026-13") << 0;
        QTest::newRow("no result") << QByteArray(kGood).replace("updated", "") << 0;
        QTest::newRow("bad escape") << QByteArray(kGood).replace("Lab 2", "Lab\\x") << 0;
        QTest::newRow("escape at the end") << QByteArray(kGood).replace("\t\n", "\t\\\n") << 0;
        QTest::newRow("overlong line")
            << QByteArray(UpdateHistory::MAX_LINE_BYTES * 3, 'x') + "\n" + kGood << 1;
        QTest::newRow("binary") << QByteArray("\0\xff\t\t\t\t\t\t\n", 9) + kGood << 1;
    }

    void hostileFiles_giveWhatTheyHold()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile file(dir.filePath("history.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const QVector<UpdateHistory::Record> read = UpdateHistory(file.fileName()).read();
        QTEST(read.size(), "records");
        for (const UpdateHistory::Record& r : read)
            QCOMPARE(r.location, QString("Lab 2"));
    }

    void hugeFile_onlyItsNewestPartIsRead()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("history.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const int lines = int(UpdateHistory::MAX_READ_BYTES / kGood.size()) + 1000;
        QByteArray all;
        for (int i = 0; i < lines; ++i)
            all += kGood;
        file.write(all);
        file.close();
        const QVector<UpdateHistory::Record> read = UpdateHistory(file.fileName()).read();
        QVERIFY(read.size() < lines);
        QVERIFY(read.size() >= int(UpdateHistory::MAX_READ_BYTES / kGood.size()) - 1);
    }
};

QTEST_GUILESS_MAIN(tst_UpdateHistory)
#include "tst_updatehistory.moc"
