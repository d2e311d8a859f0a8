#include "help/HelpFile.h"
#include "core/Edition.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Where an installation keeps the help file, seen from the executable's
// folder: share/pronos/ beside bin/ in the same prefix.
const QString InstalledHelpFolder = QStringLiteral(PRONOS_INSTALLED_HELP_FOLDER);

// Removes blank lines at both ends, keeping inner spacing as written.
QString TrimBlankLines(QStringList lines)
{
    while (!lines.isEmpty() && lines.front().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

} // namespace

QList<HelpTopic> ParseHelpText(const QString& text)
{
    static const QRegularExpression topicLine(QStringLiteral("^##[ \\t]+(\\d{1,6})(?:[ \\t]+(.*?))?[ \\t#]*$"));
    QList<HelpTopic> topics;
    QStringList body;
    bool inTopic = false;
    bool skipping = false; // inside a repeated topic number
    const auto finish = [&] {
        if (inTopic && !skipping)
            topics.back().text = TrimBlankLines(body);
        body.clear();
    };

    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    bool inFence = false; // a "##" inside a code block is text, not a heading
    for (const QString& line : normalised.split(u'\n')) {
        if (line.startsWith(QStringLiteral("```")))
            inFence = !inFence;
        const QRegularExpressionMatch m = inFence ? QRegularExpressionMatch() : topicLine.match(line);
        if (m.hasMatch()) {
            finish();
            const int number = m.captured(1).toInt();
            inTopic = true;
            skipping = number <= 0 || FindHelpTopic(topics, number) != nullptr;
            if (!skipping)
                topics.append({number, m.captured(2).trimmed(), {}});
            continue;
        }
        if (inTopic)
            body.append(line);
    }
    finish();
    return topics;
}

std::optional<QList<HelpTopic>> ReadHelpFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseHelpText(QString::fromUtf8(file.readAll()));
}

const HelpTopic* FindHelpTopic(const QList<HelpTopic>& topics, int number)
{
    for (const HelpTopic& topic : topics)
        if (topic.number == number)
            return &topic;
    return nullptr;
}

Result<QString> FindHelpFile(const QString& programFolder)
{
    for (const QString& folder : {programFolder, programFolder + InstalledHelpFolder}) {
        const QString path = QDir::cleanPath(folder + CurrentEdition().helpFileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return Failure{QStringLiteral("No se puede hallar el archivo de ayuda \"%1\".\r"
                                  "Compruebe si existe en su disco; de lo contrario necesitará instalarlo nuevamente.")
                       .arg(CurrentEdition().helpFileName),
                   StyleInformation};
}
