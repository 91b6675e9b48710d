#include "app/DocumentSession.h"

#include "app/AppTexts.h"
#include "app/QtText.h"
#include "app/UserDialogs.h"
#include "report/ReportLines.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace tabulex::app {
namespace {

QString PathOf(const word::Document& document) {
    return QString::fromStdString(document.FullName());
}

std::string QuestionText(std::string_view first, const word::Document& document, std::string_view second) {
    std::string text(first);
    text += document.Name();
    text += second;
    return text;
}

}  // namespace

DocumentSession::DocumentSession(std::unique_ptr<word::Application> application, UserDialogs& dialogs)
    : application_(std::move(application)), dialogs_(dialogs) {}

int DocumentSession::Count() const {
    return application_->Documents().Count();
}

word::Document* DocumentSession::Active() {
    return application_->HasActiveDocument() ? &application_->ActiveDocument() : nullptr;
}

word::Document& DocumentSession::Open(const QString& path, const std::atomic<bool>* stop) {
    word::OpenOptions options;
    options.Stop = stop;
    // One document is opened at a time: a second core, if there is one, inflates while it parses.
    options.Threads = std::min(2, QThread::idealThreadCount());
    word::Document& document = application_->Documents().Open(path.toStdString(), options);
    if (!diskTimes_.count(&document)) Remember(document);
    emit Changed();
    return document;
}

std::vector<OpenDocumentEntry> DocumentSession::Entries() {
    std::vector<OpenDocumentEntry> entries;
    word::Document* active = Active();
    word::Documents& documents = application_->Documents();
    for (int index = 1; index <= documents.Count(); ++index) {
        word::Document& document = documents.Item(index);
        entries.push_back({QFileInfo(PathOf(document)).fileName(), PathOf(document), &document == active,
                           !document.Saved()});
    }
    return entries;
}

void DocumentSession::Activate(int index) {
    word::Documents& documents = application_->Documents();
    if (index < 0 || index >= documents.Count()) return;
    application_->Activate(documents.Item(index + 1));
    emit Changed();
}

QDateTime DocumentSession::DiskTime(const word::Document& document) const {
    return QFileInfo(PathOf(document)).lastModified();
}

void DocumentSession::Remember(const word::Document& document) {
    diskTimes_[&document] = DiskTime(document);
}

bool DocumentSession::CloseAsking(word::Document& document) {
    if (!document.Saved()) {
        const Answer answer = dialogs_.AskYesNoCancel(
            msg::kSaveTitle, QuestionText(msg::kSaveQuestion1, document, msg::kSaveQuestion2));
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes) {
            const bool native = PathOf(document).endsWith(QStringLiteral(".docx"), Qt::CaseInsensitive);
            if (native)
                document.Save();
            else if (!SaveAs(document))
                return false;
        }
    }
    diskTimes_.erase(&document);
    application_->Documents().Close(document, word::kDoNotSaveChanges);
    emit Changed();
    return true;
}

bool DocumentSession::CloseActive() {
    word::Document* document = Active();
    return document && CloseAsking(*document);
}

bool DocumentSession::SaveActive() {
    word::Document* document = Active();
    if (!document) return false;
    // Writing .docx bytes under a .doc, .rtf or .odt name would make the file unreadable.
    if (!PathOf(*document).endsWith(QStringLiteral(".docx"), Qt::CaseInsensitive)) return SaveAs(*document);
    document->Save();
    Remember(*document);
    return true;
}

bool DocumentSession::SaveActiveAs() {
    word::Document* document = Active();
    return document && SaveAs(*document);
}

bool DocumentSession::SaveAs(word::Document& document) {
    QFileInfo file(PathOf(document));
    const QString suggested = file.dir().filePath(file.completeBaseName() + QStringLiteral(".docx"));
    const std::optional<QString> path = dialogs_.ChooseFileToSave(suggested);
    if (!path) return false;
    document.SaveAs(path->toStdString());
    Remember(document);
    emit Changed();
    return true;
}

void DocumentSession::CloseReportDocuments(bool discard) {
    word::Documents& documents = application_->Documents();
    for (int index = documents.Count(); index >= 1; --index) {
        word::Document& document = documents.Item(index);
        if (document.Name() != report::kReportFileName) continue;
        if (discard) {
            diskTimes_.erase(&document);
            documents.Close(document, word::kDoNotSaveChanges);
            emit Changed();
        } else {
            CloseAsking(document);
        }
    }
}

bool DocumentSession::RefreshChangedOnDisk() {
    word::Documents& documents = application_->Documents();
    documents.RefreshChangedOnDisk();
    for (int index = documents.Count(); index >= 1; --index) {
        word::Document& document = documents.Item(index);
        const QDateTime now = DiskTime(document);
        auto known = diskTimes_.find(&document);
        if (known == diskTimes_.end() || known->second == now) continue;
        known->second = now;
        if (document.Saved()) continue;  // the host has read it again
        const Answer answer = dialogs_.AskYesNoCancel(
            msg::kChangedOnDiskTitle, QuestionText(msg::kChangedOnDisk1, document, msg::kChangedOnDisk2));
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::No) continue;
        const QString path = PathOf(document);
        diskTimes_.erase(&document);
        documents.Close(document, word::kDoNotSaveChanges);
        Open(path);
    }
    return true;
}

}  // namespace tabulex::app
