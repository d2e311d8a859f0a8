// Where the members file lives: the user's data folder, created when missing,
// with a members file found beside the executable carried over once.
#include "platform/DataFolder.h"
#include "platform/FileAccess.h"
#include "members/MemberRecord.h"
#include "members/MembersCarryOver.h"
#include "app/ProgramMessage.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <sys/stat.h>

namespace {

const QString Name = QStringLiteral("Fechas.dat");

// The file's bytes, or "<none>" when it doesn't exist.
QByteArray Contents(const QString& path)
{
    return QFile::exists(path) ? ReadBytes(path) : QByteArray("<none>");
}

QString CarriedOverMessage(const QString& from, const QString& to)
{
    return QStringLiteral("Los integrantes guardados junto al programa, en \"%1\", se copiaron a \"%2\".\r\r"
                          "De ahora en adelante se leen y se guardan allí; el archivo original no se modificó.")
        .arg(from, to);
}

} // namespace

class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void dataFolderFollowsXdgDataHome()
    {
        TestEnvironment env;
        QCOMPARE(UserDataFolder(env.programFolder()), env.path() + "/data/Zeltmark/Pronos/");
        qunsetenv("XDG_DATA_HOME"); // the default: ~/.local/share
        QCOMPARE(UserDataFolder(env.programFolder()), QDir::homePath() + "/.local/share/Zeltmark/Pronos/");
    }

    void carryOver_data()
    {
        QTest::addColumn<QByteArray>("beside"); // "<none>": no file beside the executable
        QTest::addColumn<QByteArray>("own");    // "<none>": no file in the data folder yet
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("told");
        const QByteArray freeSlots = EncodeMemberRecord(FreeSlotRecord()).repeated(2);
        QTest::newRow("fresh user") << QByteArray("<none>") << QByteArray("<none>") << QByteArray("<none>") << false;
        QTest::newRow("file beside only") << QByteArray(152, 'A') << QByteArray("<none>") << QByteArray(152, 'A')
                                          << true;
        QTest::newRow("empty file beside") << QByteArray() << QByteArray("<none>") << QByteArray("<none>") << false;
        QTest::newRow("free slots beside") << freeSlots << QByteArray("<none>") << QByteArray("<none>") << false;
        QTest::newRow("own file kept") << QByteArray(152, 'A') << QByteArray(304, 'B') << QByteArray(304, 'B')
                                       << false;
        // What an abandoned first run leaves holds no member and never blocks the copy.
        QTest::newRow("own empty file replaced") << QByteArray(152, 'A') << QByteArray() << QByteArray(152, 'A')
                                                 << true;
        QTest::newRow("own free slots replaced") << QByteArray(152, 'A') << freeSlots << QByteArray(152, 'A')
                                                 << true;
        QTest::newRow("own file only") << QByteArray("<none>") << QByteArray(152, 'B') << QByteArray(152, 'B')
                                       << false;
    }
    void carryOver()
    {
        QFETCH(QByteArray, beside);
        QFETCH(QByteArray, own);
        QFETCH(QByteArray, expected);
        QFETCH(bool, told);
        TestEnvironment env;
        const QString program = env.programFolder();
        const QString data = env.dataFolder();
        if (beside != "<none>")
            QVERIFY(WriteBytes(program + Name, beside));
        if (own != "<none>") {
            QVERIFY(QDir().mkpath(data));
            QVERIFY(WriteBytes(data + Name, own));
        }
        Environment environment;
        environment.programFolder = program;

        QVERIFY(PrepareDataFolder(environment));
        QCOMPARE(environment.dataFolder, data);
        QVERIFY(QFileInfo(data).isDir());
        const Result<CarryOverOutcome> first = CarryOverMembersFile(program + Name, data + Name, false);
        QVERIFY(first.ok());
        QCOMPARE(Contents(data + Name), expected);
        QCOMPARE(Contents(program + Name), beside); // the original is never moved or changed
        QCOMPARE(first->told, told ? CarriedOverMessage(program + Name, data + Name) : QString());
        // Settled once copied, or when the user's own file has members.
        QCOMPARE(first->settled, told || (own != "<none>" && HoldsMembers(own)));

        // The next start, told what the settings remember, copies nothing even after
        // the user's file changed (here into one without members).
        if (QFile::exists(data + Name))
            QVERIFY(WriteBytes(data + Name, "changed"));
        const Result<CarryOverOutcome> next = CarryOverMembersFile(program + Name, data + Name, first->settled);
        QVERIFY(next.ok() && next->told.isEmpty());
        QCOMPARE(Contents(data + Name), QFile::exists(data + Name) ? QByteArray("changed") : QByteArray("<none>"));
        QCOMPARE(Contents(program + Name), beside);
    }

    // An installation's file may be read-only; the user's copy must be writable.
    void carriedOverCopyIsWritable()
    {
        TestEnvironment env;
        const QString program = env.programFolder();
        QVERIFY(WriteBytes(program + Name, QByteArray(152, 'A')));
        QVERIFY(QFile::setPermissions(program + Name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QDir().mkdir(env.path() + "/data", open));
        Environment environment;
        environment.programFolder = program;
        const mode_t savedMask = ::umask(022);
        QVERIFY(PrepareDataFolder(environment));
        QVERIFY(CarryOverMembersFile(program + Name, environment.dataFolder + Name, false).ok());
        ::umask(savedMask);
        // The copy and the folders made for it are the owner's alone; one that was there keeps its modes.
        QCOMPARE(FileModes(environment.dataFolder + Name), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(FileModes(env.path() + "/data/Zeltmark"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(FileModes(env.path() + "/data"), open);
        QVERIFY(!(QFile::permissions(program + Name) & QFile::WriteOwner));
    }

    // Told in Spanish, leaving nothing: a copy on a full disk or onto a link, a folder name not in UTF-8.
    void refusals_data()
    {
        QTest::addColumn<QString>("told");
        const QString copy = "No se pudo copiar el archivo de integrantes \"%1/program/Fechas.dat\" a "
                             "\"%1/data/Zeltmark/Pronos/Fechas.dat\".\r\r";
        QTest::newRow("full disk") << copy + "No queda espacio libre en el disco.";
        QTest::newRow("link") << copy + "El archivo ya existe.";
        QTest::newRow("not UTF-8") << "No se puede usar la carpeta \"%1/data\uFFFD\"";
    }
    void refusals()
    {
        QFETCH(QString, told);
        TestEnvironment env;
        QVERIFY(WriteBytes(env.programFolder() + Name, QByteArray(152, 'A')));
        QVERIFY(QDir().mkpath(env.dataFolder()));
        if (QTest::currentDataTag() == QLatin1String("full disk"))
            SetFileSpaceLimit([](const QString&, qint64) { return 0; });
        else if (QTest::currentDataTag() == QLatin1String("link"))
            QVERIFY(QFile::link(env.path() + "/nada", env.dataFolder() + Name));
        else
            qputenv("XDG_DATA_HOME", QFile::encodeName(env.path()) + "/data\xf1");
        Environment environment;
        environment.programFolder = env.programFolder();
        const Result<void> prepared = PrepareDataFolder(environment);
        const Result<CarryOverOutcome> copied =
            prepared ? CarryOverMembersFile(env.programFolder() + Name, env.dataFolder() + Name, false)
                     : Result<CarryOverOutcome>(prepared.failure());
        SetFileSpaceLimit({});
        QVERIFY(!copied);
        QCOMPARE(copied.failure().style, StyleError);
        QVERIFY2(copied.failure().text.startsWith(told.arg(env.path())), qPrintable(copied.failure().text));
        QCOMPARE(QDir(env.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList({"config", "data", "program"}));
        QVERIFY(!QFileInfo::exists(env.dataFolder() + Name));
    }

    void folderThatCannotBeCreatedIsReported()
    {
        TestEnvironment env;
        // A plain file where a folder of the path should be: no one can create it, root included.
        QVERIFY(WriteBytes(env.path() + "/blocked", "not a folder"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(env.path() + "/blocked/share"));
        const QString program = env.programFolder();
        QVERIFY(WriteBytes(program + Name, QByteArray(152, 'A')));
        Environment environment;
        environment.programFolder = program;
        const Result<void> prepared = PrepareDataFolder(environment);
        QVERIFY(!prepared);
        QCOMPARE(QStringList{prepared.failure().text},
                 QStringList{QStringLiteral("No se pudo crear la carpeta \"%1/blocked/share/Zeltmark/Pronos/\", donde "
                                            "se guardan los datos de los integrantes.\r\rCompruebe que pueda "
                                            "escribir en ella y luego vuelva a ejecutar \"Zeltmark - Pronos\".")
                                 .arg(env.path())});
        QCOMPARE(prepared.failure().style, StyleError);
        QCOMPARE(Contents(program + Name), QByteArray(152, 'A'));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
