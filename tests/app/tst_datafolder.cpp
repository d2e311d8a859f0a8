// Where the members file lives: the user's data folder, created when missing,
// with a members file found beside the executable carried over once.
#include "DataFolder.h"
#include "FileAccess.h"
#include "ProgramMessage.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <sys/stat.h>

namespace {

const QString Name = QStringLiteral("Fechas.dat");

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The file's bytes, or "<none>" when it doesn't exist.
QByteArray Contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<none>";
    return file.readAll();
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
        QTest::newRow("fresh user") << QByteArray("<none>") << QByteArray("<none>") << QByteArray("<none>") << false;
        QTest::newRow("file beside only") << QByteArray(152, 'A') << QByteArray("<none>") << QByteArray(152, 'A')
                                          << true;
        // An empty file holds no member: nothing is copied or reported as copied.
        QTest::newRow("empty file beside") << QByteArray() << QByteArray("<none>") << QByteArray("<none>") << false;
        QTest::newRow("own file kept") << QByteArray(152, 'A') << QByteArray(304, 'B') << QByteArray(304, 'B')
                                       << false;
        QTest::newRow("own empty file kept") << QByteArray(152, 'A') << QByteArray() << QByteArray() << false;
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
            WriteFile(program + Name, beside);
        if (own != "<none>") {
            QVERIFY(QDir().mkpath(data));
            WriteFile(data + Name, own);
        }
        Gral gral;
        PrepareTestGral(gral);
        MessageRecorder messages(gral);
        gral.environment.programFolder = program;

        QVERIFY(PrepareDataFolder(gral, Name));
        QCOMPARE(gral.environment.dataFolder, data);
        QVERIFY(QFileInfo(data).isDir());
        QCOMPARE(Contents(data + Name), expected);
        QCOMPARE(Contents(program + Name), beside); // the original is never moved or changed
        if (told) {
            QCOMPARE(messages.texts(), QStringList{CarriedOverMessage(program + Name, data + Name)});
            QCOMPARE(messages.messages()[0].style, int(StyleInformation));
        } else {
            QCOMPARE(messages.texts(), QStringList());
        }

        // The next start tells nothing and copies nothing, even after the user's file changed.
        if (QFile::exists(data + Name))
            WriteFile(data + Name, "changed");
        messages.clear();
        QVERIFY(PrepareDataFolder(gral, Name));
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(Contents(data + Name), QFile::exists(data + Name) ? QByteArray("changed") : QByteArray("<none>"));
        QCOMPARE(Contents(program + Name), beside);
    }

    // An installation's file may be read-only; the user's copy must be writable.
    void carriedOverCopyIsWritable()
    {
        TestEnvironment env;
        const QString program = env.programFolder();
        WriteFile(program + Name, QByteArray(152, 'A'));
        QVERIFY(QFile::setPermissions(program + Name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        Gral gral;
        PrepareTestGral(gral);
        MessageRecorder messages(gral);
        gral.environment.programFolder = program;
        QVERIFY(PrepareDataFolder(gral, Name));
        QCOMPARE(FileModes(gral.environment.dataFolder + Name), QFile::ReadOwner | QFile::WriteOwner); // the owner's alone
        QVERIFY(!(QFile::permissions(program + Name) & QFile::WriteOwner));
    }

    // The folders the program creates are the owner's alone; those that exist keep their modes.
    void newFoldersArePrivate()
    {
        TestEnvironment env;
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::ExeOther;
        const auto own = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QVERIFY(QDir().mkpath(env.path() + "/data"));
        QVERIFY(QFile::setPermissions(env.path() + "/data", open));
        Gral gral;
        PrepareTestGral(gral);
        MessageRecorder messages(gral);
        gral.environment.programFolder = env.programFolder();
        const mode_t saved = ::umask(022);
        const bool prepared = PrepareDataFolder(gral, Name);
        ::umask(saved);
        QVERIFY(prepared);
        QCOMPARE(FileModes(env.path() + "/data"), open);
        QCOMPARE(FileModes(env.path() + "/data/Zeltmark"), own);
        QCOMPARE(FileModes(env.path() + "/data/Zeltmark/Pronos"), own);
    }

    // A copy that fails is told in Spanish, by what the system said, and leaves nothing.
    void carryOverFailures_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << "full disk" << "No queda espacio libre en el disco.";
        QTest::newRow("a link to nowhere in the way") << "dangling link" << "El archivo ya existe.";
    }
    void carryOverFailures()
    {
        QFETCH(QString, situation);
        QFETCH(QString, reason);
        TestEnvironment env;
        const QString program = env.programFolder();
        const QString data = env.dataFolder();
        WriteFile(program + Name, QByteArray(152, 'A'));
        QVERIFY(QDir().mkpath(data));
        if (situation == "full disk")
            SetFileSpaceLimit([](const QString&, qint64) { return 0; });
        else
            QVERIFY(QFile::link(env.path() + "/nada", data + Name));
        Gral gral;
        PrepareTestGral(gral);
        MessageRecorder messages(gral);
        gral.environment.programFolder = program;
        const bool prepared = PrepareDataFolder(gral, Name);
        SetFileSpaceLimit({});
        QVERIFY(!prepared);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("No se pudo copiar el archivo de integrantes \"%1\" a "
                                                              "\"%2\".\r\r%3")
                                                   .arg(program + Name, data + Name, reason)});
        QCOMPARE(messages.messages()[0].style, int(StyleError));
        QVERIFY(!QFileInfo::exists(env.path() + "/nada"));
        QCOMPARE(QFileInfo::exists(data + Name), false);
    }

    // Qt reads paths as UTF-8: a folder named otherwise can't be used as given,
    // so the program names it and ends without creating anything.
    void undecodableDataFolderIsRefused()
    {
        TestEnvironment env;
        qputenv("XDG_DATA_HOME", QFile::encodeName(env.path()) + "/datos-\xf1");
        Gral gral;
        PrepareTestGral(gral);
        MessageRecorder messages(gral);
        gral.environment.programFolder = env.programFolder();
        QVERIFY(!PrepareDataFolder(gral, Name));
        QCOMPARE(messages.messages().size(), 1);
        const QString text = messages.messages()[0].text;
        QVERIFY2(text.startsWith("No se puede usar la carpeta \"" + env.path() + "/datos-"), qPrintable(text));
        QVERIFY2(text.contains("UTF-8"), qPrintable(text));
        QCOMPARE(messages.messages()[0].style, int(StyleError));
        QCOMPARE(QDir(env.path()).entryList({"datos*"}, QDir::AllEntries | QDir::System), QStringList());
    }

    void folderThatCannotBeCreatedIsReported()
    {
        TestEnvironment env;
        // A plain file where a folder of the path should be: no one can create it, root included.
        WriteFile(env.path() + "/blocked", "not a folder");
        qputenv("XDG_DATA_HOME", QFile::encodeName(env.path() + "/blocked/share"));
        const QString program = env.programFolder();
        WriteFile(program + Name, QByteArray(152, 'A'));
        Gral gral;
        PrepareTestGral(gral);
        MessageRecorder messages(gral);
        gral.environment.programFolder = program;
        QVERIFY(!PrepareDataFolder(gral, Name));
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("No se pudo crear la carpeta \"%1/blocked/share/Zeltmark/Pronos/\", donde "
                                            "se guardan los datos de los integrantes.\r\rCompruebe que pueda "
                                            "escribir en ella y luego vuelva a ejecutar \"Zeltmark - Pronos\".")
                                 .arg(env.path())});
        QCOMPARE(messages.messages()[0].style, int(StyleError));
        QCOMPARE(Contents(program + Name), QByteArray(152, 'A'));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
