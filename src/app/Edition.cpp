#include "Edition.h"

#include "VendorIdentity.h"

const Edition& DemoEdition()
{
    static const Edition demo{
        QStringLiteral("Zeltmark - Pronos  'DEMO'."),
        QStringLiteral("Zeltmark - Pronos  'DEMO'"),
        QStringLiteral("Zeltmark - Pronos \"DEMO\""),
        QStringLiteral("Pronos.Demo"),
        QStringLiteral("Pronos.hlp"),
        QString(),
        QString(),
        FirstCoveredDayNumber,
        LastCoveredDayNumber,
        false,
        Vendor::DemoDesktopId,
        false,
        false,
        Vendor::DemoWindowClass,
    };
    return demo;
}

const Edition& FullEdition()
{
    static const Edition full{
        QStringLiteral("Zeltmark - Pronos."),
        QStringLiteral("Zeltmark - Pronos"),
        QStringLiteral("Zeltmark - Pronos"),
        QStringLiteral("Pronos"),
        QStringLiteral("Pronos-full.hlp"),
        QStringLiteral("Versión 1 completa"),
        QStringLiteral("Los cinco niveles, de Excelente a Restrictiva, se calculan con el calendario de signos de "
                       "1900 a 2100 según la región escogida."),
        FullFirstDayNumber,
        FullLastDayNumber,
        true,
        Vendor::FullDesktopId,
        true,
        true,
        Vendor::FullWindowClass,
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
