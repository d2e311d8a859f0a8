#pragma once
// Builds "Fechas.dat" files byte by byte for the members tests.
#include "core/DayNumber.h"
#include "members/MemberRecord.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QList>
#include <QString>

inline QByteArray Records(const QList<MemberRecord>& records)
{
    QByteArray bytes;
    for (const MemberRecord& r : records)
        bytes += EncodeMemberRecord(r);
    return bytes;
}
