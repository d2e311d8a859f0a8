#include "core/Edition.h"

#include "core/VendorIdentity.h"

const Edition& DemoEdition()
{
    static const Edition demo{
        .applicationTitle = QStringLiteral("Zeltmark - Pronos  'DEMO'."),
        .mainWindowCaption = QStringLiteral("Zeltmark - Pronos  'DEMO'"),
        .messageCaption = QStringLiteral("Zeltmark - Pronos \"DEMO\""),
        .settingsName = QStringLiteral("Pronos.Demo"),
        .helpFileName = QStringLiteral("Pronos.hlp"),
        .firstDay = FirstCoveredDayNumber,
        .lastDay = LastCoveredDayNumber,
        .desktopFileName = Vendor::DemoDesktopId,
        .windowClass = Vendor::DemoWindowClass,
    };
    return demo;
}

const Edition& FullEdition()
{
    static const Edition full{
        .applicationTitle = QStringLiteral("Zeltmark - Pronos."),
        .mainWindowCaption = QStringLiteral("Zeltmark - Pronos"),
        .messageCaption = QStringLiteral("Zeltmark - Pronos"),
        .settingsName = QStringLiteral("Pronos"),
        .helpFileName = QStringLiteral("Pronos-full.hlp"),
        .aboutVersion = QStringLiteral("Versión 1 completa"),
        .aboutCalendar = QStringLiteral("Los cinco niveles, de Excelente a Restrictiva, se calculan con el calendario "
                                        "de signos de 1900 a 2100 según la región escogida."),
        .firstDay = FullFirstDayNumber,
        .lastDay = FullLastDayNumber,
        .opensOnToday = true,
        .desktopFileName = Vendor::FullDesktopId,
        .teamView = true,
        .namedZones = true,
        .calendarExport = true,
        .rosterSheets = true,
        .handoutPrints = true,
        .membersImport = true,
        .windowOptions = true,
        .bannerPeriod = QStringLiteral("Calendario de tendencias del 1/1/1900 al 31/12/2100"),
        .windowClass = Vendor::FullWindowClass,
    };
    return full;
}

namespace {
const Edition* current = nullptr;
}

const Edition& CurrentEdition()
{
    return current ? *current : DemoEdition();
}

void UseEdition(const Edition& edition)
{
    current = &edition;
}
