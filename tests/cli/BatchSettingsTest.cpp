#include "cli/BatchSettings.h"

#include <gtest/gtest.h>

namespace tabulex::cli {
namespace {

using settings::kBreakRowKey;
using settings::kBreakSection;
using settings::kLastFileKey;
using settings::kMainSection;

// The last file goes to the settings file once, at the end of the batch; a resume point at once,
// as a stopped check may be resumed after the program ends any way at all.
TEST(BatchSettingsTest, OnlyTheLastFileWaitsForTheEndOfTheBatch) {
    settings::MemorySettings file;
    BatchSettings batch(file);
    batch.WriteString(kMainSection, kLastFileKey, "opis-1.docx");
    batch.WriteString(kMainSection, kLastFileKey, "opis-2.docx");
    batch.WriteInteger(kBreakSection, kBreakRowKey, 17);

    EXPECT_EQ(file.ReadString(kMainSection, kLastFileKey, "none"), "none");
    EXPECT_EQ(file.ReadInteger(kBreakSection, kBreakRowKey, 0), 17);
    EXPECT_EQ(batch.ReadString(kMainSection, kLastFileKey, "none"), "opis-2.docx");

    batch.Flush();
    EXPECT_EQ(file.ReadString(kMainSection, kLastFileKey, "none"), "opis-2.docx");
}

TEST(BatchSettingsTest, NothingIsWrittenOrBroughtBackThatTheBatchDidNotLeave) {
    struct Case {
        const char* Name;
        bool Write;
        bool EraseMain;
        const char* Expected;
    };
    const Case cases[] = {
        {"no check named a file: the earlier name stays", false, false, "earlier.docx"},
        {"a check named one", true, false, "opis.docx"},
        {"the section erased after the name was held", true, true, "none"},
        {"the section erased with nothing held", false, true, "none"},
    };
    for (const Case& c : cases) {
        settings::MemorySettings file;
        file.WriteString(kMainSection, kLastFileKey, "earlier.docx");
        BatchSettings batch(file);
        if (c.Write) batch.WriteString(kMainSection, kLastFileKey, "opis.docx");
        if (c.EraseMain) batch.EraseSection(kMainSection);
        batch.Flush();
        EXPECT_EQ(file.ReadString(kMainSection, kLastFileKey, "none"), c.Expected) << c.Name;
    }
}

}  // namespace
}  // namespace tabulex::cli
