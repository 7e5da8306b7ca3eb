// The built-in lists as the engine uses them: GBK, converted once.
#pragma once

#include <string>

namespace qinghe {

const std::string& MalePool();
const std::string& FemalePool();
// MalePool followed by FemalePool; characters of both lists occur twice.
const std::string& NicknamePool();
const std::string& ClassicMaleSingles();
const std::string& ClassicFemaleSingles();
const std::string& ClassicMaleNames();  // each name followed by ","
const std::string& ClassicFemaleNames();

}  // namespace qinghe
