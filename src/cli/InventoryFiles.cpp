#include "cli/InventoryFiles.h"

#include "report/ReportLines.h"
#include "text/Utf8Paths.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tabulex::cli {
namespace {

bool IsDocument(const std::filesystem::path& file) {
    static constexpr std::array<std::string_view, 5> kExtensions = {".docx", ".docm", ".doc", ".rtf", ".odt"};
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string name = text::Utf8OfPath(file.filename());
    if (name.starts_with("~$") || name.starts_with("Tabulex_Report")) return false;
    return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return !b.empty() && std::filesystem::equivalent(a, b, error);
}

// The documents of `folder`, and with a recursive search those of its subfolders (symbolic links to
// folders not followed, the report folder left out).
void CollectFolder(const std::filesystem::path& folder, const FolderSearch& search,
                   std::vector<std::filesystem::path>& found) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code entryError;
        if (entry.is_regular_file(entryError) && IsDocument(entry.path())) {
            found.push_back(entry.path());
        } else if (search.Recursive && !entry.is_symlink(entryError) && entry.is_directory(entryError) &&
                   !SameFolder(entry.path(), search.ReportFolder)) {
            CollectFolder(entry.path(), search, found);
        }
    }
}

}  // namespace

std::vector<std::filesystem::path> CollectInventories(const std::vector<std::string>& arguments,
                                                      bool& anyFolder, const FolderSearch& search) {
    std::vector<std::filesystem::path> files;
    anyFolder = false;
    for (const auto& argument : arguments) {
        const std::filesystem::path path = text::PathFromUtf8(argument);
        std::error_code error;
        if (!std::filesystem::is_directory(path, error)) {
            files.push_back(path);  // a missing file is reported when it is opened
            continue;
        }
        anyFolder = true;
        std::vector<std::filesystem::path> inFolder;
        CollectFolder(path, search, inFolder);
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

std::string UniqueReportFolderName(const std::filesystem::path& inventory, std::vector<std::string>& taken) {
    // The whole file name, so that opis.doc and opis.docx report into folders one can tell apart.
    const std::string whole =
        inventory.filename().empty() ? "inventory" : text::Utf8OfPath(inventory.filename());
    std::string name = whole;
    for (int k = 2; std::find(taken.begin(), taken.end(), name) != taken.end(); ++k)
        name = whole + "-" + std::to_string(k);
    taken.push_back(name);
    return name;
}

}  // namespace tabulex::cli
