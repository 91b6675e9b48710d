#include "text/CaseMaps.h"

namespace tabulex::text {
namespace {
std::string MapBytes(std::string_view text, const CaseMap& map) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(map[static_cast<unsigned char>(c)]);
    return out;
}
}  // namespace

std::string LowerCase1251(std::string_view text) {
    return MapBytes(text, LowerMap1251);
}
std::string UpperCase1251(std::string_view text) {
    return MapBytes(text, UpperMap1251);
}

}  // namespace tabulex::text
