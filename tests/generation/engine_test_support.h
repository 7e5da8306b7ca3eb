// Runs the generation engine against a fixture database and a recording host.
#pragma once

#include <string>

#include "generation/builtin_lists.h"
#include "generation/generation_engine.h"
#include "support/fixture_database.h"
#include "support/recording_host.h"
#include "text/gbk.h"

namespace qinghe::test {

// Every character of the boys' and girls' pools, known, with Kangxi counts
// spread over 1..20 so that scores vary.
inline FixtureDatabase PoolFixture() {
    FixtureDatabase content;
    auto make = [](const std::string&, int index) {
        static const char* const kElements[] = {"金", "木", "水", "火", "土"};
        FixtureChar c;
        c.simplified_strokes = 1 + index % 17;
        c.kangxi_strokes = 1 + index % 20;
        c.element = kElements[index % 5];
        return c;
    };
    content.AddChars(std::string(kMalePoolUtf8) + std::string(kFemalePoolUtf8), make);
    return content;
}

class EngineRun {
  public:
    explicit EngineRun(const FixtureDatabase& content = FixtureDatabase()) : fixture_(content) {
        host.inputs.surname = Utf8ToGbk("李");
        host.inputs.sex = Utf8ToGbk("男");
        host.inputs.name_length = Utf8ToGbk("二字");
    }

    // Runs to the end on this thread.
    GenerationEngine& Run(std::uint32_t seed = 7) {
        control_ = std::make_unique<RunControl>();
        engine_ =
            std::make_unique<GenerationEngine>(fixture_.db(), host, *control_, EngineOptions{seed});
        engine_->Run();
        return *engine_;
    }

    DbObject& db() { return fixture_.db(); }

    RecordingHost host;

  private:
    LoadedFixture fixture_;
    std::unique_ptr<RunControl> control_;
    std::unique_ptr<GenerationEngine> engine_;
};

// The given names of rows (UTF-8), surname cut off.
inline std::vector<std::string> GivenNames(const std::vector<NameCandidate>& rows,
                                           size_t surname_bytes = 2) {
    std::vector<std::string> names;
    for (const NameCandidate& row : rows)
        names.push_back(GbkToUtf8(row.name.substr(surname_bytes)));
    return names;
}

}  // namespace qinghe::test
