#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tabulex::cli {

// The inventories named on the command line: files as given; for a folder, the documents it holds
// directly (.docx, .docm, .doc, .rtf, .odt), sorted by name, without word processors' lock files
// ("~$...") and without reports.
std::vector<std::filesystem::path> CollectInventories(const std::vector<std::string>& arguments,
                                                      bool& anyFolder);

// The file's full path, size and modification time: a stopped check is resumed only for the very
// file it stopped on.
std::string FileIdentity(const std::filesystem::path& file);

// A folder per inventory for batch reports: the file's whole name ("opis.docx"), made unique among
// `taken` ("opis.docx-2") when files of the same name come from several folders.
std::string UniqueReportFolderName(const std::filesystem::path& inventory, std::vector<std::string>& taken);

}  // namespace tabulex::cli
