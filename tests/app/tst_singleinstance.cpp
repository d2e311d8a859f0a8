// One copy per user: two real processes meet through the local socket.
#include "platform/SingleInstance.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QUuid>
#include <QtTest>

namespace {

QString ProbePath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/singleinstance_probe"); }

// A title of our own, so no running copy of the program is ever disturbed.
QString TestTitle() { return u"Pronos test "_qs + QUuid::createUuid().toString(QUuid::WithoutBraces); }

// Starts a first copy and waits until it listens.
bool StartListener(QProcess& process, const QString& title)
{
    process.start(ProbePath(), {u"listen"_qs, title});
    if (!process.waitForStarted(5000))
        return false;
    while (!process.canReadLine())
        if (!process.waitForReadyRead(5000))
            return false;
    return process.readLine().trimmed() == "listening";
}

int RunProbe(const QString& title, QByteArray* output = nullptr, const QStringList& action = {})
{
    QProcess probe;
    probe.start(ProbePath(), QStringList{u"probe"_qs, title} + action);
    if (!probe.waitForFinished(10000)) {
        probe.kill();
        probe.waitForFinished();
        return -1;
    }
    if (output)
        *output = probe.readAllStandardOutput() + probe.readAllStandardError();
    return probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void serverName_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("user");
        QTest::newRow("application title") << u"Zeltmark - Pronos  'DEMO'."_qs << u"ana"_qs;
        QTest::newRow("user with odd characters") << u"Zeltmark - Pronos  'DEMO'."_qs << u"DOM\\José Pérez/x"_qs;
        QTest::newRow("very long") << QString(300, u'x') << QString(300, u'y');
    }
    void serverName()
    {
        QFETCH(QString, title);
        QFETCH(QString, user);
        const QString name = SingleInstanceServerName(title, user);
        static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
        QVERIFY2(safe.match(name).hasMatch(), qPrintable(name));
        QCOMPARE(SingleInstanceServerName(title, user), name); // the same for every copy
        QVERIFY(SingleInstanceServerName(title, user + u'2') != name);
        QVERIFY(SingleInstanceServerName(title + u'!', user) != name); // punctuation still counts
    }

    // A later copy's action (a window its command line named) reaches the first copy with the request.
    void secondCopyFindsTheFirst_data()
    {
        QTest::addColumn<QStringList>("action");
        QTest::addColumn<QByteArray>("heard");
        QTest::newRow("come forward") << QStringList() << QByteArray("show-requested");
        QTest::newRow("open the team window") << QStringList{u"equipo"_qs} << QByteArray("show-requested equipo");
    }
    void secondCopyFindsTheFirst()
    {
        QFETCH(QStringList, action);
        QFETCH(QByteArray, heard);
        const QString title = TestTitle();
        QProcess first;
        QVERIFY(StartListener(first, title));
        QByteArray said;
        QCOMPARE(RunProbe(title, &said, action), 10);
        QVERIFY2(said.isEmpty(), said.constData()); // ends without any message
        QVERIFY(first.waitForFinished(10000));       // the first copy got the request...
        QCOMPARE(first.readAll().trimmed(), heard);
        QCOMPARE(first.exitCode(), 0);                // ...and ended on it
    }

    void noFirstCopy()
    {
        QCOMPARE(RunProbe(TestTitle()), 0);
    }

    void otherUserOrTitleIsNotDisturbed()
    {
        const QString title = TestTitle();
        QProcess first;
        QVERIFY(StartListener(first, title));
        QCOMPARE(RunProbe(title + u" otro"_qs), 0);
        first.kill();
        first.waitForFinished();
    }

    // A copy that died without cleaning up leaves its socket behind; the next
    // copy must neither think it runs nor fail to listen.
    void staleSocketIsReplaced()
    {
        const QString title = TestTitle();
        QProcess crashed;
        QVERIFY(StartListener(crashed, title));
        crashed.kill();
        QVERIFY(crashed.waitForFinished(5000));
        QCOMPARE(RunProbe(title), 0);
        QProcess next;
        QVERIFY(StartListener(next, title));
        QCOMPARE(RunProbe(title), 10);
        QVERIFY(next.waitForFinished(10000));
        QCOMPARE(next.exitCode(), 0);
    }

    void secondListenerInSameProcessRefused()
    {
        const QString title = TestTitle();
        SingleInstance first(title);
        QVERIFY(first.listen());
        SingleInstance second(title);
        QVERIFY(!second.listen());
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        QProcess probe; // a blocking probe in this process would starve the server
        probe.start(ProbePath(), {u"probe"_qs, title});
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(probe.state(), QProcess::NotRunning, 10000);
        QCOMPARE(probe.exitCode(), 10);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
