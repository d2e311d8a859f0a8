#include "platform/DesktopPlatform.h"
#include "help/HelpContext.h"
#include "help/HelpViewer.h"
#include "core/Edition.h"
#include "app/ProgramMessage.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QUrl>

MessageBoxLayout MessageBoxLayoutFor(int style)
{
    using B = QMessageBox;
    MessageBoxLayout layout;
    switch (style & 0xF0) {
    case 16: layout.icon = B::Critical; break;
    case 32: layout.icon = B::Question; break;
    case 48: layout.icon = B::Warning; break;
    case 64: layout.icon = B::Information; break;
    default: layout.icon = B::NoIcon; break;
    }
    switch (style & 0x0F) {
    case 1: layout.buttons = {B::Ok, B::Cancel}; layout.escapeButton = B::Cancel; break;
    case 2: layout.buttons = {B::Abort, B::Retry, B::Ignore}; layout.escapeButton = B::Abort; break;
    case 3: layout.buttons = {B::Yes, B::No, B::Cancel}; layout.escapeButton = B::Cancel; break;
    case 4: layout.buttons = {B::Yes, B::No}; layout.escapeButton = B::No; break;
    case 5: layout.buttons = {B::Retry, B::Cancel}; layout.escapeButton = B::Cancel; break;
    default: layout.buttons = {B::Ok}; layout.escapeButton = B::Ok; break;
    }
    const int defaultIndex = (style >> 8) & 0x0F; // 0, 1 (256) or 2 (512)
    layout.defaultButton = layout.buttons.value(defaultIndex, layout.buttons.front());
    return layout;
}

int MessageResultOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return 1;
    case QMessageBox::Cancel: return 2;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return 6;
    case QMessageBox::No: return 7;
    default: return 2; // closed some other way: like Cancel
    }
}

QString MessageButtonText(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return QStringLiteral("Aceptar");
    case QMessageBox::Cancel: return QStringLiteral("Cancelar");
    case QMessageBox::Abort: return QStringLiteral("Anular");
    case QMessageBox::Retry: return QStringLiteral("Reintentar");
    case QMessageBox::Ignore: return QStringLiteral("Omitir");
    case QMessageBox::Yes: return QStringLiteral("Sí");
    case QMessageBox::No: return QStringLiteral("No");
    default: return {};
    }
}

namespace {

// A word longer than this (a path, as a rule) gets places where a line may break.
constexpr int LongestUnbrokenRun = 40;

// Message boxes wrap at spaces only, so a long path would widen the box past
// the screen and be cut. An invisible zero-width space after each folder
// separator of a long word, and within a long run without one, lets it wrap.
QString WithBreaksInLongWords(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text[i].isSpace())
            continue;
        const QStringView word = QStringView(text).mid(wordStart, i - wordStart);
        if (word.size() <= LongestUnbrokenRun) {
            out += word;
        } else {
            int run = 0;
            for (const QChar c : word) {
                out += c;
                if (c == u'/' || c == u'\\' || ++run >= LongestUnbrokenRun) {
                    out += QChar(0x200B);
                    run = 0;
                }
            }
        }
        if (i < text.size())
            out += text[i];
        wordStart = i + 1;
    }
    return out;
}

} // namespace

QString MessageBoxText(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return WithBreaksInLongWords(out);
}

std::unique_ptr<QMessageBox> CreateMessageBox(const QString& text, int style, QWidget* owner)
{
    const MessageBoxLayout layout = MessageBoxLayoutFor(style);
    auto box = std::make_unique<QMessageBox>(owner);
    box->setWindowTitle(CurrentEdition().messageCaption);
    box->setTextFormat(Qt::PlainText);
    box->setText(MessageBoxText(text));
    box->setIcon(layout.icon);
    // The buttons speak Spanish whatever translations the system has.
    for (QMessageBox::StandardButton button : layout.buttons)
        box->addButton(button)->setText(MessageButtonText(button));
    box->setDefaultButton(layout.defaultButton);
    box->setEscapeButton(layout.escapeButton);
    box->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    return box;
}

namespace {

// The help window outlives every call; it goes when the application ends.
HelpViewer& SharedHelpViewer()
{
    static QPointer<HelpViewer> viewer;
    if (!viewer) {
        viewer = new HelpViewer;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, [] { delete viewer.data(); });
    }
    return *viewer;
}

} // namespace

DesktopPlatform::~DesktopPlatform()
{
    delete helpKey_.data();
}

void DesktopPlatform::serve(Gral& gral)
{
    environment_ = &gral.environment;
    delete helpKey_.data(); // served again: one F1 handler only
    helpKey_ = InstallHelpKey(gral);
}

int DesktopPlatform::message(const QString& text, MessageStyle style) const
{
    std::unique_ptr<QMessageBox> box = CreateMessageBox(text, style, QApplication::activeWindow());
    box->exec();
    QAbstractButton* clicked = box->clickedButton();
    return MessageResultOf(clicked ? box->standardButton(clicked) : box->standardButton(box->escapeButton()));
}

int DesktopPlatform::runModal(QDialog& window) const
{
    return window.exec();
}

void DesktopPlatform::beep() const
{
    QApplication::beep();
}

void DesktopPlatform::busyCursor(bool busy) const
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void DesktopPlatform::openUrl(const QString& url) const
{
    QDesktopServices::openUrl(QUrl(url));
}

void DesktopPlatform::quit() const
{
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void DesktopPlatform::showHelpTopic(HelpContext context) const
{
    HelpViewer& viewer = SharedHelpViewer();
    viewer.setHelpFile(environment_ ? environment_->helpFile : QString());
    viewer.showTopic(context);
}

void DesktopPlatform::showHelpFinder() const
{
    HelpViewer& viewer = SharedHelpViewer();
    viewer.setHelpFile(environment_ ? environment_->helpFile : QString());
    viewer.showFinder();
}

bool DesktopPlatform::hasDefaultPrinter() const
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString DesktopPlatform::choosePdfFile(const QString& title, const QString& suggestedPath) const
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggestedPath,
                                        QStringLiteral("Documentos PDF (*.pdf)"));
}

QString DesktopPlatform::chooseOpenFile(const QString& title, const QString& suggestedPath, const QString& filter,
                                        bool hiddenShown) const
{
    QFileDialog dialog(QApplication::activeWindow(), title, suggestedPath, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (hiddenShown)
        dialog.setFilter(dialog.filter() | QDir::Hidden);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DesktopPlatform::chooseSaveFile(const QString& title, const QString& suggestedPath,
                                        const QString& filter) const
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggestedPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QDate DesktopPlatform::today() const
{
    return QDate::currentDate();
}

int UnattendedPlatform::runModal(QDialog& window) const
{
    window.reject();
    return QDialog::Rejected;
}
