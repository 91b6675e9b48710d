#include "docx/StylesXml.h"

#include <charconv>

namespace tabulex::word::docx::styles {

pugi::xml_node PropertiesOf(pugi::xml_node parent, const char* name) {
    constexpr int kLookahead = 8;
    int seen = 0;
    for (pugi::xml_node child = parent.first_child(); child && seen < kLookahead;
         child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        if (std::string_view(child.name()) == name) return child;
        ++seen;
    }
    return {};
}

bool OnOffValue(pugi::xml_node element) {
    pugi::xml_attribute val = element.attribute("w:val");
    return OnOffText(val ? val.value() : nullptr);
}

bool OnOffText(const char* val) {
    if (!val) return true;
    std::string_view v = val;
    return !(v == "0" || v == "false" || v == "off");
}

std::optional<bool> OnOffChild(pugi::xml_node props, const char* name) {
    pugi::xml_node element = props.child(name);
    if (!element) return std::nullopt;
    return OnOffValue(element);
}

std::optional<int> IntValue(pugi::xml_node element) {
    return IntText(StringValue(element));
}

std::optional<int> IntText(std::string_view v) {
    if (!v.empty() && v.front() == '+') v.remove_prefix(1);
    int result = 0;
    auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), result);
    if (ec != std::errc() || end == v.data()) return std::nullopt;
    return result;
}

std::string_view StringValue(pugi::xml_node element) {
    return element.attribute("w:val").value();
}

}  // namespace tabulex::word::docx::styles
