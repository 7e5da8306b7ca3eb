// namedata-build: builds namedata.db from public data sets installed from
// Debian and npm and from the team's own files under data/.
//
// usage: namedata-build --data DATA_DIR --sources CHAR_SOURCES_TSV --out namedata.db
//                       [--unicode DIR] [--opencc DIR] [--wubi FILE]
#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "character_rows.h"
#include "database_writer.h"
#include "source_files.h"

namespace {

std::map<std::string, std::string> ParseOptions(int argc, char** argv) {
    std::map<std::string, std::string> options = {
        {"--unicode", "/usr/share/unicode"},
        {"--opencc", "/usr/share/opencc"},
        {"--wubi", "/usr/share/rime-data/wubi86.dict.yaml"},
    };
    for (int i = 1; i + 1 < argc; i += 2)
        options[argv[i]] = argv[i + 1];
    for (const char* required : {"--data", "--sources", "--out"})
        if (options[required].empty())
            throw namedata::BuildError(
                std::string("missing option ") + required +
                "\nusage: namedata-build --data DATA_DIR --sources CHAR_SOURCES_TSV "
                "--out namedata.db [--unicode DIR] [--opencc DIR] [--wubi FILE]");
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        auto options = ParseOptions(argc, argv);
        namedata::TeamData team = namedata::LoadTeamData(options["--data"]);
        std::filesystem::path unicode = options["--unicode"];
        namedata::Unihan unihan = namedata::Unihan::Load(unicode);
        namedata::RadicalCharacters radicals =
            namedata::RadicalCharacters::Load(unicode / "CJKRadicals.txt");
        std::filesystem::path opencc = options["--opencc"];
        namedata::OpenccConverter to_traditional(opencc / "s2t.json");
        namedata::OpenccConverter to_simplified(opencc / "t2s.json");
        namedata::WubiTable wubi = namedata::WubiTable::Load(options["--wubi"]);
        namedata::CharSources npm = namedata::CharSources::Load(options["--sources"]);

        auto rows = namedata::BuildCharacterRows(
            {unihan, radicals, to_traditional, to_simplified, wubi, npm, team});
        namedata::WriteNameDatabase(options["--out"], rows, team);
        std::cout << "namedata-build: " << rows.size() << " characters, " << team.eighty_one.size()
                  << " numbers, " << team.three_talents.size() << " three-talents keys"
                  << std::endl;
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "namedata-build: " << error.what() << std::endl;
        return 1;
    }
}
