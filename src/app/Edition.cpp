#include "Edition.h"

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
        QStringLiteral("com.example.zeltmark.pronos"),
        false,
        false,
        QString(),
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
        QStringLiteral("com.example.zeltmark.pronosfull"),
        true,
        true,
        QStringLiteral("Calendario de tendencias del 1/1/1900 al 31/12/2100"),
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
