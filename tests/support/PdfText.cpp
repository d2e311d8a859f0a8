#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString PdfToText(const QStringList& options, const QString& file)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return {};
    QProcess process;
    process.start(pdftotext, options + QStringList{file, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString PdfLayoutText(const QString& file) { return PdfToText({"-layout", "-enc", "UTF-8"}, file); }

QString PdfWordBoxes(const QString& file) { return PdfToText({QStringLiteral("-bbox")}, file); }

QStringList WordsNearEdge(const QString& boxes, double margin, int* words)
{
    static const QRegularExpression page(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">[^<]*<)re"));
    QStringList near;
    int count = 0;
    // Each page's words follow its <page> tag.
    const QStringList pages = boxes.split(QStringLiteral("<page "), Qt::SkipEmptyParts);
    for (const QString& text : pages.mid(1)) {
        const QRegularExpressionMatch size = page.match(QStringLiteral("<page ") + text);
        const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
        for (const QRegularExpressionMatch& m : word.globalMatch(text)) {
            ++count;
            if (m.captured(1).toDouble() < margin || m.captured(2).toDouble() < margin
                || m.captured(3).toDouble() > width - margin || m.captured(4).toDouble() > height - margin)
                near << m.captured(0);
        }
    }
    if (words)
        *words = count;
    return near;
}
