// The help file's topic parser, the shipped "Pronos.hlp" and CheckHelpFile.
#include "help/HelpFile.h"
#include "app/ProgramMessage.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QString MissingHelpMessage = QStringLiteral(
    "No se puede hallar el archivo de ayuda \"Pronos.hlp\".\r"
    "Compruebe si existe en su disco; de lo contrario necesitará instalarlo nuevamente.");

// "3|Title|Text" per topic, joined by ';' — compact expectations for the table.
QString Summary(const QList<HelpTopic>& topics)
{
    QStringList parts;
    for (const HelpTopic& t : topics)
        parts << QStringLiteral("%1|%2|%3").arg(t.number).arg(t.title, t.text);
    return parts.join(u';');
}

} // namespace

class TestHelpFile : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two topics") << u"## 1 Uno\nPrimero.\n\n## 2 Dos\nSegundo\ny más.\n"_qs
                                    << u"1|Uno|Primero.;2|Dos|Segundo\ny más."_qs;
        QTest::newRow("preface is no topic") << u"# Pronos\nPrefacio.\n## 3 Tres\nTexto"_qs << u"3|Tres|Texto"_qs;
        QTest::newRow("blank lines at both ends trimmed")
            << u"## 4 Cuatro\n\n\nA\n\nB\n\n\n## 5 Cinco"_qs << u"4|Cuatro|A\n\nB;5|Cinco|"_qs;
        QTest::newRow("deeper headings stay in the topic")
            << u"## 6 Seis\n### Parte\nTexto\n#### Más"_qs << u"6|Seis|### Parte\nTexto\n#### Más"_qs;
        QTest::newRow("heading without number is text") << u"## 7 Siete\n## Sin número\nx"_qs
                                                        << u"7|Siete|## Sin número\nx"_qs;
        QTest::newRow("repeated number keeps the first")
            << u"## 2 Primero\nA\n## 2 Otro\nB\n## 3 Tres\nC"_qs << u"2|Primero|A;3|Tres|C"_qs;
        QTest::newRow("CR LF and CR line ends") << u"## 1 Uno\r\nA\r\nB\r## 2 Dos\rC"_qs
                                                << u"1|Uno|A\nB;2|Dos|C"_qs;
        QTest::newRow("code block hides headings")
            << u"## 1 Uno\n```\n## 9 No\n```\nFin"_qs << u"1|Uno|```\n## 9 No\n```\nFin"_qs;
        QTest::newRow("topic 0 is not a topic") << u"## 0 Cero\nA\n## 1 Uno\nB"_qs << u"1|Uno|B"_qs;
        QTest::newRow("title trimmed, closing hashes dropped") << u"##   8   Ocho  ##\nT"_qs << u"8|Ocho|T"_qs;
        QTest::newRow("number without title") << u"## 5\nT"_qs << u"5||T"_qs;
        QTest::newRow("number glued to a word is text") << u"## 1 Uno\n## 2a b\nT"_qs << u"1|Uno|## 2a b\nT"_qs;
        QTest::newRow("empty") << QString() << QString();
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Summary(ParseHelpText(text)), expected);
    }

    void readsUtf8File()
    {
        TestEnvironment env;
        const QString path = env.path() + "/a.hlp";
        QVERIFY(WriteBytes(path, "## 3 Gesti\xc3\xb3n de integrantes\nA\xc3\xb1o\n"));
        const auto topics = ReadHelpFile(path);
        QVERIFY(topics);
        QCOMPARE(topics->size(), 1);
        QCOMPARE(topics->front().title, u"Gestión de integrantes"_qs);
        QCOMPARE(topics->front().text, u"Año"_qs);
        QVERIFY(!ReadHelpFile(env.path() + "/none.hlp"));
    }

    // The files the build puts beside the executables have all their topics
    // (the full edition's two more, its team window and calendar export), and every link between
    // topics leads to one of them.
    void shippedHelpFileIsComplete_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("topicCount");
        QTest::newRow("DEMO") << QStringLiteral(PRONOS_HELP_FILE) << 8;
        QTest::newRow("full edition") << QStringLiteral(PRONOS_FULL_HELP_FILE) << 10;
    }
    void shippedHelpFileIsComplete()
    {
        QFETCH(QString, file);
        QFETCH(int, topicCount);
        const auto topics = ReadHelpFile(file);
        QVERIFY2(topics, qPrintable(file));
        QCOMPARE(topics->size(), topicCount);
        for (int n = 1; n <= topicCount; ++n) {
            const HelpTopic* topic = FindHelpTopic(*topics, n);
            QVERIFY2(topic, qPrintable(QString::number(n)));
            QVERIFY(!topic->title.isEmpty());
            QVERIFY2(topic->text.size() > 300, qPrintable(topic->title));
        }
        static const QRegularExpression link(QStringLiteral("\\]\\(#(\\d+)\\)"));
        QSet<int> linked;
        for (const HelpTopic& topic : *topics)
            for (const QRegularExpressionMatch& m : link.globalMatch(topic.text)) {
                linked.insert(m.captured(1).toInt());
                QVERIFY2(FindHelpTopic(*topics, m.captured(1).toInt()), qPrintable(m.captured(0)));
            }
        // The contents topic links to every other one.
        for (int n = 2; n <= topicCount; ++n)
            QVERIFY2(linked.contains(n), qPrintable(QString::number(n)));
    }

    void checkHelpFileMissingSaysSoEachTime()
    {
        TestProgram program;
        Gral& gral = program.gral;
        CheckHelpFile(gral);
        QCOMPARE(program.messages.messages().size(), 1);
        QCOMPARE(program.messages.messages()[0].text, MissingHelpMessage);
        QCOMPARE(program.messages.messages()[0].style, int(StyleInformation));
        QVERIFY(gral.environment.helpFile.isEmpty());
        CheckHelpFile(gral);
        QCOMPARE(program.messages.messages().size(), 2);
        QVERIFY(gral.environment.helpFile.isEmpty());
    }

    void checkHelpFilePresentSetsIt()
    {
        TestProgram program;
        Gral& gral = program.gral;
        QVERIFY(WriteBytes(gral.environment.programFolder + "Pronos.hlp", "## 1 Contenido\n"));
        CheckHelpFile(gral);
        QVERIFY(program.messages.messages().isEmpty());
        QCOMPARE(gral.environment.helpFile, gral.environment.programFolder + "Pronos.hlp");
        // Once set it stays set, even if the file goes away later.
        QVERIFY(QFile::remove(gral.environment.helpFile));
        CheckHelpFile(gral);
        QVERIFY(program.messages.messages().isEmpty());
        QCOMPARE(gral.environment.helpFile, gral.environment.programFolder + "Pronos.hlp");
    }

    void checkHelpFileFoundAfterItAppears()
    {
        TestProgram program;
        Gral& gral = program.gral;
        QVERIFY(QDir().mkpath(gral.environment.programFolder + "Pronos.hlp")); // a folder is not the file
        CheckHelpFile(gral);
        QCOMPARE(program.messages.messages().size(), 1);
        QVERIFY(QDir().rmdir(gral.environment.programFolder + "Pronos.hlp"));
        QVERIFY(WriteBytes(gral.environment.programFolder + "Pronos.hlp", "## 1 Contenido\n"));
        CheckHelpFile(gral);
        QCOMPARE(program.messages.messages().size(), 1);
        QCOMPARE(gral.environment.helpFile, gral.environment.programFolder + "Pronos.hlp");
    }

    // An installation keeps the help file in share/pronos/ beside bin/; one
    // beside the executable (the build tree, Windows) comes first.
    void checkHelpFileLooksBesideThenInShare_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("shared");
        QTest::addColumn<QString>("expected"); // relative to the prefix; empty: the missing message
        QTest::newRow("beside only") << true << false << "bin/Pronos.hlp";
        QTest::newRow("share only") << false << true << "share/pronos/Pronos.hlp";
        QTest::newRow("both") << true << true << "bin/Pronos.hlp";
        QTest::newRow("neither") << false << false << "";
    }
    void checkHelpFileLooksBesideThenInShare()
    {
        QFETCH(bool, beside);
        QFETCH(bool, shared);
        QFETCH(QString, expected);
        TestEnvironment env;
        const QString prefix = env.path() + "/prefix/";
        QVERIFY(QDir().mkpath(prefix + "bin"));
        QVERIFY(QDir().mkpath(prefix + "share/pronos"));
        if (beside)
            QVERIFY(WriteBytes(prefix + "bin/Pronos.hlp", "## 1 Contenido\n"));
        if (shared)
            QVERIFY(WriteBytes(prefix + "share/pronos/Pronos.hlp", "## 1 Contenido\n"));
        const Result<QString> found = FindHelpFile(prefix + "bin/");
        QCOMPARE(found.ok(), !expected.isEmpty());
        QCOMPARE(found ? found.value() : found.failure().text, found ? prefix + expected : MissingHelpMessage);
    }
};

QTEST_GUILESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
