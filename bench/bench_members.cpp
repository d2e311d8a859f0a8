// LoadMemberList over a members file of 10,000 records (target: 20 ms or less).
#include "members/MemberList.h"
#include "members/MembersFile.h"
#include "platform/CommandLinePlatform.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_LoadMemberList(benchmark::State& state)
{
    const int records = int(state.range(0));
    QTemporaryDir dir;
    MembersFile file(dir.path() + "/" + MembersFileName);
    if (!file.createEmpty()) {
        state.SkipWithError("cannot create the members file");
        return;
    }
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        // One slot in ten free, names and remarks of typical length.
        const MemberRecord r = i % 10 == 9
            ? FreeSlotRecord()
            : MemberRecord{double(25000 + i), QStringLiteral("APELLIDO%1 NOMBRE SEGUNDO  ").arg(i),
                           QStringLiteral("Observación %1").arg(i)};
        bytes += EncodeMemberRecord(r);
    }
    QFile raw(file.fileName());
    raw.open(QIODevice::WriteOnly | QIODevice::Truncate);
    raw.write(bytes);
    raw.close();
    file.openExisting();

    CommandLinePlatform platform;
    Gral gral{platform};
    gral.environment.systemDateFormat = QStringLiteral("dd/MM/yyyy");
    for (auto _ : state) {
        if (!LoadMemberList(gral, file)) {
            state.SkipWithError("LoadMemberList failed");
            return;
        }
        benchmark::DoNotOptimize(gral.members.memberList.size());
    }
    state.counters["lines"] = double(gral.members.memberList.size());
}

} // namespace

BENCHMARK(BM_LoadMemberList)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
