// qinghe-cli bench: the high-score and the super-lucky runs against the real
// name database, timed.
#include <sys/resource.h>

#include <chrono>
#include <iomanip>
#include <iostream>

#include "cli_host.h"
#include "command.h"
#include "generation/generation_engine.h"
#include "text/gbk.h"

namespace qinghe::cli {
namespace {

struct Measured {
    RunStats stats;
    double milliseconds = 0;
};

Measured TimeRun(DbObject& db, const GenerationInputs& inputs) {
    CliHost host(inputs, true);
    RunControl control;
    GenerationEngine engine(db, host, control, {20131001});
    auto start = std::chrono::steady_clock::now();
    engine.Run();
    auto end = std::chrono::steady_clock::now();
    return {engine.stats(), std::chrono::duration<double, std::milli>(end - start).count()};
}

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

int RunBench(Invocation& invocation) {
    DbObject db;
    LoadDatabase(invocation, db);
    GenerationInputs high;
    high.mode = GenerationMode::kHighScore;
    high.surname = Utf8ToGbk("李");
    high.sex = Utf8ToGbk("男");
    high.name_length = Utf8ToGbk("二字");
    GenerationInputs super = high;
    super.mode = GenerationMode::kSuperLucky;
    super.filters.required.master = true;
    super.filters.required.elements = {true, true, true, true, true};

    Json report = Json::array();
    for (auto [name, inputs] : {std::pair{"高分起名", high}, std::pair{"超吉起名", super}}) {
        TimeRun(db, inputs);  // warm up
        Measured m = TimeRun(db, inputs);
        report.push_back({{"mode", name},
                          {"candidates", m.stats.candidates},
                          {"scored", m.stats.scored},
                          {"rows", m.stats.rows},
                          {"milliseconds", m.milliseconds}});
        if (!invocation.json)
            std::cout << name << ": " << m.stats.candidates << " candidates, " << m.stats.scored
                      << " scored, " << m.stats.rows << " rows listed, " << std::fixed
                      << std::setprecision(1) << m.milliseconds << " ms" << std::endl;
    }
    if (invocation.json)
        PrintJson({{"runs", report}, {"peak_megabytes", PeakMegabytes()}});
    else
        std::cout << "peak memory: " << PeakMegabytes() << " MB" << std::endl;
    return 0;
}

const CommandRegistration kBench{"bench", "bench   (also: --bench)", &RunBench};

}  // namespace
}  // namespace qinghe::cli
