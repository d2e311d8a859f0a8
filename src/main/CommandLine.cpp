#include "main/CommandLine.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

QString SpanishDate(double dayNumber)
{
    // Day numbers count from 30 December 1899.
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(dayNumber));
    return QLocale(QLocale::Spanish).toString(date, QStringLiteral("d 'de' MMMM 'de' yyyy"));
}

QString PeriodText(const Edition& edition)
{
    return QStringLiteral("del %1 al %2").arg(SpanishDate(edition.firstDay), SpanishDate(edition.lastDay));
}

// One line per option; an option of one edition only is added under its condition.
std::vector<std::pair<QString, QString>> Options(const Edition& edition)
{
    std::vector<std::pair<QString, QString>> options{
        {QStringLiteral("--help"), QStringLiteral("muestra esta ayuda y termina")},
        {QStringLiteral("--version"), QStringLiteral("muestra la versión y termina")},
    };
    if (edition.windowOptions) {
        options.emplace_back(QStringLiteral("--integrantes"),
                             QStringLiteral("abre la Gestión de Integrantes (en la copia ya abierta, si la hay)"));
        options.emplace_back(QStringLiteral("--equipo"),
                             QStringLiteral("abre la ventana Equipo (en la copia ya abierta, si la hay)"));
    }
    if (edition.calendarExport)
        options.emplace_back(QStringLiteral("--exportar-calendario ARCHIVO"),
                             QStringLiteral("escribe las tendencias como archivo iCalendar, sin ventana:\n"
                                            "      (--integrante NOMBRE [--nacimiento dd/mm/aaaa] | --equipo)\n"
                                            "      --desde dd/mm/aaaa --dias N [--niveles Excelente,Buena]"));
    return options;
}

QString HelpText(const QString& program, const Edition& edition)
{
    QString text = QStringLiteral("Uso: %1 [OPCIÓN]\n").arg(program);
    text += QStringLiteral("%1: los integrantes de un equipo y su tendencia de siete días,\n%2.\n")
                .arg(edition.messageCaption, PeriodText(edition));
    text += QStringLiteral("Sin opciones abre la ventana principal.\n\nOpciones:\n");
    for (const auto& [option, meaning] : Options(edition))
        text += QStringLiteral("  %1 %2\n").arg(option, -22).arg(meaning);
    text += QStringLiteral("\nEstado de salida: 0 si el programa terminó bien o si pasó el paso a una copia ya\n"
                           "abierta; 1 si el arranque terminó porque algo falló (la carpeta de datos, el\n"
                           "formato de fecha corta, el archivo de integrantes) o sin ningún integrante.\n\n"
                           "Más información: man -L es %1\n")
                .arg(program);
    return text;
}

QString VersionText(const QString& program, const Edition& edition)
{
    return QStringLiteral("%1 %2\n%3, %4.\n").arg(program, QStringLiteral(PRONOS_VERSION), edition.messageCaption,
                                                  PeriodText(edition));
}

} // namespace

std::optional<QString> CommandLineAnswer(const QStringList& arguments, const Edition& edition)
{
    const QString program = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    const QStringList options = arguments.mid(1);
    if (options.contains(QStringLiteral("--help")))
        return HelpText(program, edition);
    if (options.contains(QStringLiteral("--version")))
        return VersionText(program, edition);
    return std::nullopt;
}

QString WindowOption(const QStringList& arguments, const Edition& edition)
{
    if (!edition.windowOptions)
        return {};
    for (const QString& word : {QStringLiteral("integrantes"), QStringLiteral("equipo")})
        if (arguments.mid(1).contains(QStringLiteral("--") + word))
            return word;
    return {};
}

std::optional<int> AnswerCommandLine(int argc, char* argv[], const Edition& edition)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<QString> answer = CommandLineAnswer(arguments, edition);
    if (!answer)
        return std::nullopt;
    std::fputs(answer->toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
