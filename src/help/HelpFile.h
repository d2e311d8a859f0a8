#pragma once
// The help file "Pronos.hlp": Markdown text in which a line "## N Title"
// starts topic N (the context numbers the windows ask for, 1..8). Text before
// the first topic line is the file's own preface and belongs to no topic;
// "###" and deeper headings are part of the topic they stand in.
#include "core/Result.h"

#include <QList>
#include <QString>
#include <optional>

inline const QString HelpFileName = QStringLiteral("Pronos.hlp");

struct HelpTopic {
    int number = 0;
    QString title;
    QString text; // Markdown body, without the heading line
};

// Splits help text into topics, in file order. A topic number that appears
// twice keeps its first section (a later one cannot be reached by number).
QList<HelpTopic> ParseHelpText(const QString& text);

// Reads and parses a help file (UTF-8). Nothing when it can't be read.
std::optional<QList<HelpTopic>> ReadHelpFile(const QString& path);

// The topic with the given number, or nullptr.
const HelpTopic* FindHelpTopic(const QList<HelpTopic>& topics, int number);

// The first help file of the edition that exists: beside the executable (in
// `programFolder`, ending in '/'), else in the installation's share/pronos/.
// The failure says there is none.
Result<QString> FindHelpFile(const QString& programFolder);
