#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tabulex::cli {

// How folders named on the command line are searched.
struct FolderSearch {
    bool Recursive = false;              // also in their subfolders
    std::filesystem::path ReportFolder;  // never searched: it holds reports and annotated copies
};

// The inventories named on the command line: files as given; for a folder, the documents it holds
// (.docx, .docm, .doc, .rtf, .odt), sorted by path, without word processors' lock files ("~$...")
// and without reports; with `search.Recursive` those of its subfolders too, the report folder left
// out.
std::vector<std::filesystem::path> CollectInventories(const std::vector<std::string>& arguments,
                                                      bool& anyFolder, const FolderSearch& search = {});

// A folder per inventory for batch reports: the file's whole name ("opis.docx"), made unique among
// `taken` ("opis.docx-2") when files of the same name come from several folders.
std::string UniqueReportFolderName(const std::filesystem::path& inventory, std::vector<std::string>& taken);

}  // namespace tabulex::cli
