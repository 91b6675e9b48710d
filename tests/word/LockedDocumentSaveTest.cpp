// An edit in place keeps the document locked from reading to saving. Where the system will not
// replace a file that is open (Wine; Windows without POSIX renames), the save asks the editor to
// let go of its lock just before the rename, and an editor that refuses keeps the file as it was.

#include "DocxTestPackage.h"
#include "docx/DocxApplication.h"
#include "platform/FileStamp.h"
#include "platform/FileWrites.h"
#include "text/Error.h"

#include <gtest/gtest.h>

namespace tabulex::word::docx::testing {
namespace {

struct ReleaseCase {
    const char* Name;
    bool Refuses;  // the editor finds the file changed and keeps it
};

TEST(LockedDocumentSaveTest, TheEditorsLockIsLetGoOfOnlyWhenTheSystemWillNotReplaceAnOpenFile) {
    const ReleaseCase cases[] = {{"lets go", false}, {"refuses", true}};
    for (const ReleaseCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TempFolder folder;
        const std::string path = WriteDocx(folder.File("опись.docx"), P("текст"));
        const platform::FileStamp before = platform::StampOf(text::PathFromUtf8(path));
        auto lock = std::make_unique<platform::DocumentLock>(path);
        ASSERT_EQ(lock->Status(), platform::DocumentLock::State::Held);
        int calls = 0;
        OpenOptions options{.ForEditing = true};
        options.ReleaseFile = [&] {
            ++calls;
            lock->Release();
            if (c.Refuses) throw text::Error("changed meanwhile");
        };
        auto application = CreateApplication();
        Document& document = application->Documents().Open(path, options);
        bool refused = false;
        try {
            document.SaveAs(path);
        } catch (const text::Error& error) {
            refused = true;
            EXPECT_EQ(error.Message(), "changed meanwhile");
        }
        EXPECT_LE(calls, 1);
        EXPECT_EQ(refused, c.Refuses && calls == 1);
        const platform::FileStamp after = platform::StampOf(text::PathFromUtf8(path));
        if (refused)
            EXPECT_EQ(after, before) << "the file was replaced although the editor kept it";
        else
            EXPECT_NE(after.Inode, before.Inode) << "the file was not replaced";
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++files;
        EXPECT_EQ(files, 1u) << "a temporary file was left behind";
        // Other targets than the opened file are never the editor's to let go of.
        calls = 0;
        document.SaveAs(folder.File("копия.docx"));
        EXPECT_EQ(calls, 0);
    }
}

}  // namespace
}  // namespace tabulex::word::docx::testing
