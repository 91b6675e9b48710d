#include "ooxml/PartNames.h"

#include <vector>

namespace tabulex::ooxml {

std::string ResolveTarget(std::string_view sourcePart, std::string_view target) {
    target = target.substr(0, target.find_first_of("#?"));
    if (target.empty()) return {};
    std::vector<std::string_view> segments;
    auto push = [&](std::string_view path) {
        while (!path.empty()) {
            const std::size_t slash = path.find('/');
            const std::string_view segment = path.substr(0, slash);
            // Dot segments as a URI resolution removes them; ".." at the root stays at the root.
            if (segment == "..") {
                if (!segments.empty()) segments.pop_back();
            } else if (!segment.empty() && segment != ".") {
                segments.push_back(segment);
            }
            if (slash == std::string_view::npos) break;
            path.remove_prefix(slash + 1);
        }
    };
    if (!target.starts_with('/')) {
        const std::size_t folderEnd = sourcePart.rfind('/');
        if (folderEnd != std::string_view::npos) push(sourcePart.substr(0, folderEnd));
    }
    // A last segment ".." or "." names a folder, not a part.
    if (target.ends_with("/..") || target.ends_with("/.") || target == ".." || target == ".") return {};
    push(target);
    std::string name;
    for (const std::string_view segment : segments) {
        if (!name.empty()) name += '/';
        name += segment;
    }
    return name;
}

}  // namespace tabulex::ooxml
