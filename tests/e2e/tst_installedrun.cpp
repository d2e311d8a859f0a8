// The installed program as an ordinary user would run it: installed under a
// prefix nobody may write to, started by a user other than root, it keeps
// that user's members file in the user's own data folder. Run as root (as
// here and in CI), the program is started as the user "nobody" through
// setpriv; run as anyone else, as that user.
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr auto ReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;

// Takes every write permission away below (and including) `path`; with
// `writable` true gives the owner's back.
void SetWritable(const QString& path, bool writable)
{
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    QStringList all{path};
    while (it.hasNext())
        all << it.next();
    for (const QString& entry : all) {
        const QFileInfo info(entry);
        if (info.isSymLink())
            continue;
        QFile::Permissions p = info.permissions() & ReadOnly;
        if (info.isDir())
            p |= QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        if (writable)
            p |= QFile::WriteOwner;
        QFile::setPermissions(entry, p);
    }
}

struct RunAs {
    QString program;     // what to start: the executable itself or setpriv
    QStringList prefix;  // arguments before the executable
    uid_t uid = 0;
    gid_t gid = 0;
};

// Who the program runs as: ourselves when we aren't root, else "nobody".
std::optional<RunAs> OrdinaryUser(QString* whyNot)
{
    if (geteuid() != 0)
        return RunAs{{}, {}, geteuid(), getegid()};
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) {
        *whyNot = QStringLiteral("running as root and there is no user \"nobody\" to run the program as");
        return std::nullopt;
    }
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        *whyNot = QStringLiteral("running as root and setpriv (util-linux) is missing to switch to \"nobody\"");
        return std::nullopt;
    }
    return RunAs{setpriv,
                 {QStringLiteral("--reuid=%1").arg(nobody->pw_uid), QStringLiteral("--regid=%1").arg(nobody->pw_gid),
                  QStringLiteral("--clear-groups"), QStringLiteral("--")},
                 nobody->pw_uid, nobody->pw_gid};
}

QByteArray OneMember()
{
    return RawMemberRecord(29346, "PEREZ ANA"); // born 5 May 1980
}

} // namespace

class TestInstalledRun : public QObject {
    Q_OBJECT
private slots:
    void membersFileInTheUsersDataFolder_data();
    void membersFileInTheUsersDataFolder();
};

void TestInstalledRun::membersFileInTheUsersDataFolder_data()
{
    QTest::addColumn<bool>("besideTheExecutable");
    QTest::newRow("fresh user") << false;
    QTest::newRow("members file beside the executable") << true;
}

void TestInstalledRun::membersFileInTheUsersDataFolder()
{
    QFETCH(bool, besideTheExecutable);
    QString whyNot;
    const std::optional<RunAs> user = OrdinaryUser(&whyNot);
    if (!user)
        QSKIP(qPrintable(whyNot));

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QVERIFY(QFile::setPermissions(temp.path(), ReadOnly | QFile::WriteOwner)); // others may pass through
    const QString prefix = temp.path() + "/prefix";
    QProcess install;
    install.start(QStringLiteral(PRONOS_CMAKE_COMMAND),
                  {"--install", QStringLiteral(PRONOS_BUILD_DIR), "--prefix", prefix});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    const QString beside = prefix + "/bin/Fechas.dat";
    if (besideTheExecutable)
        QVERIFY(WriteBytes(beside, OneMember()));
    SetWritable(prefix, false);

    // The user's home, theirs alone; the program finds its data folder from it.
    const QString home = temp.path() + "/home";
    const QString scratch = temp.path() + "/tmp";
    QVERIFY(QDir().mkpath(home));
    QVERIFY(QDir().mkpath(scratch));
    QCOMPARE(::chown(QFile::encodeName(home).constData(), user->uid, user->gid), 0);
    QCOMPARE(::chown(QFile::encodeName(scratch).constData(), user->uid, user->gid), 0);
    QProcessEnvironment environment;
    environment.insert("HOME", home);
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    environment.insert("TMPDIR", scratch);
    environment.insert("USER", "pronos-installed-test");
    environment.insert("LANG", "C.UTF-8");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // Relative base folders are ignored (XDG rules), not taken from the folder the program starts in.
    environment.insert("XDG_DATA_HOME", "datos");
    environment.insert("XDG_CONFIG_HOME", "config");

    QProcess pronos;
    pronos.setProcessEnvironment(environment);
    pronos.setWorkingDirectory(home);
    const QString executable = prefix + "/bin/pronos";
    if (user->program.isEmpty())
        pronos.start(executable, {});
    else
        pronos.start(user->program, user->prefix + QStringList{executable});
    QVERIFY(pronos.waitForStarted());

    // First start: the file appears in the data folder (empty for a fresh
    // user, the copy of the one beside the executable otherwise) and the
    // program goes on to its first-run message instead of ending.
    const QString own = home + "/.local/share/Zeltmark/Pronos/Fechas.dat";
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(own), 30000);
    QTest::qWait(500);
    QVERIFY2(pronos.state() == QProcess::Running, pronos.readAllStandardError().constData());
    pronos.kill();
    pronos.waitForFinished();

    const QFileInfo info(own);
    QCOMPARE(info.ownerId(), user->uid);
    QVERIFY(info.permissions() & QFile::WriteOwner);
    QFile file(own);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), besideTheExecutable ? OneMember() : QByteArray());
    QCOMPARE(QFileInfo::exists(beside), besideTheExecutable); // nothing written into the prefix, nothing moved
    QStringList expectedInBin{"pronos", "pronos-full"}; // the editions' executables
    if (besideTheExecutable)
        expectedInBin << "Fechas.dat";
    expectedInBin.sort();
    QCOMPARE(QDir(prefix + "/bin").entryList(QDir::Files, QDir::Name), expectedInBin);

    SetWritable(prefix, true); // so the temporary folder can be removed
}

QTEST_GUILESS_MAIN(TestInstalledRun)
#include "tst_installedrun.moc"
