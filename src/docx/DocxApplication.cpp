#include "docx/DocxApplication.h"

#include "docx/DocxDocument.h"
#include "docx/HostMessages.h"
#include "ooxml/Package.h"
#include "text/Error.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace tabulex::word::docx {
namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) return true;
    return a == b;
}

class DocxOptions final : public word::Options {
  public:
    bool AutoFormatAsYouTypeReplaceQuotes() const override { return true; }
    bool AutoFormatAsYouTypeDefineStyles() const override { return false; }
};

class DocxDocuments final : public word::Documents {
  public:
    int Count() const override { return static_cast<int>(documents_.size()); }

    Document& Item(int index) override {
        if (index < 1 || index > Count()) throw text::Error(messages::NoSuchDocument(index));
        return *documents_[index - 1];
    }

    Document& Open(const std::string& path, const OpenOptions& options) override {
        for (auto& document : documents_)
            if (SameFile(document->FullName(), path)) return Activate(*document);
        documents_.push_back(DocxDocument::OpenFile(
            path, options.ForEditing ? DocxDocument::Mode::Dom : DocxDocument::Mode::Compact, options.Stop,
            options.ReleaseFile, options.Threads));
        return Activate(*documents_.back());
    }

    void Close(Document& document, int saveChanges) override {
        auto it = Find(document);
        if (saveChanges == kTrue) document.Save();
        std::erase(activation_, &document);
        documents_.erase(it);
    }

    void RefreshChangedOnDisk() override {
        for (auto& document : documents_)
            if (document->Saved() && document->ChangedOnDisk()) document->Reload();
    }

    Document& Activate(Document& document) {
        Find(document);
        std::erase(activation_, &document);
        activation_.push_back(&document);
        return document;
    }

    Document* Active() const { return activation_.empty() ? nullptr : activation_.back(); }

  private:
    std::vector<std::unique_ptr<DocxDocument>>::iterator Find(Document& document) {
        auto it = std::find_if(documents_.begin(), documents_.end(),
                               [&](const auto& owned) { return owned.get() == &document; });
        if (it == documents_.end()) throw text::Error(std::string(messages::kDocumentNotOpen));
        return it;
    }

    std::vector<std::unique_ptr<DocxDocument>> documents_;  // in the order they were opened
    std::vector<Document*> activation_;                     // the active document last
};

class DocxApplication final : public word::Application {
  public:
    word::Documents& Documents() override { return documents_; }
    Document& ActiveDocument() override {
        if (Document* active = documents_.Active()) return *active;
        throw text::Error(std::string(messages::kNoDocument));
    }
    bool HasActiveDocument() const override { return documents_.Active() != nullptr; }
    void Activate(Document& document) override { documents_.Activate(document); }
    word::Options& Options() override { return options_; }
    std::string Version() const override { return "16.0"; }
    void SetVisible(bool) override {}

  private:
    DocxDocuments documents_;
    DocxOptions options_;
};

}  // namespace

std::unique_ptr<word::Application> CreateApplication() {
    return std::make_unique<DocxApplication>();
}

}  // namespace tabulex::word::docx
