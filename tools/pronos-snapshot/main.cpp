// Starts the program with sample members in a temporary folder, offscreen,
// and writes pictures of its main window and of the explanation window:
//   pronos-snapshot OUT_DIR
// main-window.png, explanation-window.png, desktop.png (both windows with
// simple captions, the explanation window where the program places it) and
// main-window-last-days.png (the calendar's last four days and the banner),
// menus.png (the two menus); with --full also team-window.png (the team
// window sorted at 16:00, a moment of a member chosen).
#include "pronos-snapshot/DemoSetup.h"
#include "core/Edition.h"
#include "platform/DesktopPlatform.h"
#include "app/Gral.h"
#include "members/MembersStartup.h"
#include "app/ProgramMessage.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TForm1.h"
#include "tendencies/TForm5.h"
#include "tendencies/TeamGridView.h"
#include "tendencies/TeamWindow.h"
#include "tendencies/WeekChart.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QFile>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

namespace {

constexpr int CaptionHeight = 22;

// A window picture inside a plain frame with its caption, as a desktop would show it.
QImage Framed(const QWidget& window)
{
    const QPixmap content = const_cast<QWidget&>(window).grab();
    QImage framed(content.width() + 2, content.height() + CaptionHeight + 1, QImage::Format_RGB32);
    QPainter p(&framed);
    p.fillRect(framed.rect(), QColor(60, 60, 60));
    QLinearGradient caption(0, 0, framed.width(), 0);
    caption.setColorAt(0, QColor(10, 36, 106));
    caption.setColorAt(1, QColor(166, 202, 240));
    p.fillRect(QRect(1, 1, framed.width() - 2, CaptionHeight - 1), caption);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(8, 1, framed.width() - 16, CaptionHeight - 1), Qt::AlignVCenter | Qt::AlignLeft,
               window.windowTitle());
    p.drawPixmap(1, CaptionHeight, content);
    return framed;
}

bool Save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "pronos-snapshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A left click at a point of a control, delivered as the desktop would.
void ClickAt(QWidget* control, QPoint at)
{
    const QPointF global = control->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(control, &release);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // --full: the full edition (1900-2100, opening on today) instead of the DEMO.
    const bool full = argc == 3 && std::strcmp(argv[1], "--full") == 0;
    if (argc != 2 && !full) {
        std::fprintf(stderr, "usage: pronos-snapshot [--full] OUT_DIR\n");
        return 2;
    }
    if (full)
        UseEdition(FullEdition());
    const QString outDir = QDir(QString::fromLocal8Bit(argv[argc - 1])).absolutePath();
    QDir().mkpath(outDir);

    QTemporaryDir temp;
    RedirectSettings(temp.path());
    const QString programFolder = temp.path() + "/program/";
    QDir().mkpath(programFolder);
    if (!WriteDemoMembers(programFolder, full ? 14 : 6)) {
        std::fprintf(stderr, "pronos-snapshot: cannot write the members file\n");
        return 1;
    }
    StoreDemoRegion();
    // The help file travels with the program: take the one beside this tool, or the source tree's.
    const QString helpFile = CurrentEdition().helpFileName;
    for (const QString& help : {QCoreApplication::applicationDirPath() + "/" + helpFile,
                                QStringLiteral(PRONOS_SOURCE_DIR "/resources/Pronos.hlp")}) {
        if (QFile::copy(help, programFolder + helpFile))
            break;
    }

    // Nothing may wait for a person: messages go to the terminal, other windows close at once.
    UnattendedPlatform platform([](const QString& text) {
        std::fprintf(stderr, "pronos-snapshot: message: %s\n", qPrintable(QString(text).replace(u'\r', u' ')));
    });
    Gral gral{platform};

    // The program's own start-up: date pattern, start date, folder, members, main window.
    if (const Result<QString> pattern = ReadSystemDateFormat())
        gral.environment.systemDateFormat = *pattern;
    gral.environment.startDateText = gral.environment.systemDateFormat.format(TodayDayNumber());
    gral.environment.programFolder = programFolder;
    gral.calendar.coveredPeriod = CurrentEdition().period(TodayDayNumber());
    gral.environment.dataFolder = programFolder;
    std::unique_ptr<TForm1> window;
    if (gral.environment.systemDateFormat.size() == 10 && OpenMembersFile(gral)) {
        QCoreApplication::setApplicationName(CurrentEdition().applicationTitle);
        window = std::make_unique<TForm1>(gral);
    }
    if (!window || gral.environment.quitRequested) {
        std::fprintf(stderr, "pronos-snapshot: the program ended during start-up\n");
        return 1;
    }
    window->move(0, 0);
    window->show();
    QApplication::processEvents();
    bool ok = Save(window->grab().toImage(), outDir + "/main-window.png");

    // A moment in the afternoon of the third day, then "¿Qué indica?".
    ClickAt(window->Image1, QPoint(28 * 15 + 10, 22 * 2 + 10));
    window->Quindica1->trigger();
    QApplication::processEvents();
    TForm5* explanation = window->ExplanationWindow();
    if (!explanation) {
        std::fprintf(stderr, "pronos-snapshot: the explanation window did not open\n");
        return 1;
    }
    ok = Save(explanation->grab().toImage(), outDir + "/explanation-window.png") && ok;

    const QImage mainFramed = Framed(*window);
    const QImage explanationFramed = Framed(*explanation);
    QImage desktop(mainFramed.width() + 40, mainFramed.height() + 40, QImage::Format_RGB32);
    desktop.fill(QColor(0, 128, 128));
    QPainter p(&desktop);
    p.drawImage(20, 20, mainFramed);
    // Where the program puts it on a desktop with these captions: centred, its
    // bottom edge 6 pixels above the level legend.
    const QPoint legend = window->TextCol[2]->mapTo(window.get(), QPoint(0, 0));
    p.drawImage(20 + (mainFramed.width() - explanationFramed.width()) / 2,
                20 + CaptionHeight + legend.y() - 6 - explanationFramed.height(), explanationFramed);
    p.end();
    ok = Save(desktop, outDir + "/desktop.png") && ok;

    // The two menus, side by side.
    QList<QPixmap> menus;
    for (QAction* top : window->menuBar()->actions())
        if (QMenu* menu = top->menu()) {
            menu->adjustSize();
            menus << menu->grab();
        }
    if (menus.size() == 2) {
        QImage both(menus[0].width() + menus[1].width() + 30,
                    std::max(menus[0].height(), menus[1].height()) + 20, QImage::Format_RGB32);
        both.fill(QColor(0, 128, 128));
        QPainter mp(&both);
        mp.drawPixmap(10, 10, menus[0]);
        mp.drawPixmap(20 + menus[0].width(), 10, menus[1]);
        mp.end();
        ok = Save(both, outDir + "/menus.png") && ok;
    }

    // The team window: sorted at 16:00, the 16:20 of the member at the top chosen.
    if (window->Equipo1) {
        window->Equipo1->trigger();
        TeamWindow* team = window->TeamView();
        if (!team) {
            std::fprintf(stderr, "pronos-snapshot: the team window did not open\n");
            return 1;
        }
        team->resize(960, 560);
        QApplication::processEvents();
        QHeaderView* header = team->Grid1->horizontalHeader();
        ClickAt(header->viewport(), QPoint(header->sectionViewportPosition(17) + 10, header->height() / 2));
        const QRect cell = team->Grid1->visualRect(team->Grid1->model()->index(0, 17));
        ClickAt(team->Grid1->viewport(), QPoint(cell.left() + 10, cell.center().y()));
        team->Grid1->setFocus(); // the picker shows its long date without the keyboard
        QApplication::processEvents();
        ok = Save(team->grab().toImage(), outDir + "/team-window.png") && ok;
        team->close();
    }

    // The calendar's last days: four rows and the banner below them.
    explanation->close();
    if (full) { // the track bar spans one year: the period's end is reached by date
        window->DateTime1->setDate(DateFromDayNumber(gral.calendar.coveredPeriod.lastDay - 3));
        QApplication::setActiveWindow(window.get()); // "Aplicar fecha" answers only when focused, as a click leaves it
        window->Button1->setFocus();
        window->Button1->click();
    } else {
        window->Barra->setValue(window->Barra->maximum() - 3);
    }
    QApplication::processEvents();
    ok = Save(window->grab().toImage(), outDir + "/main-window-last-days.png") && ok;
    window->close();
    return ok ? 0 : 1;
}
