#include "word/docx/DocumentConversion.h"

#include "ooxml/FileSystem.h"
#include "word/Error.h"
#include "word/docx/Package.h"
#include "word/docx/PackageMessages.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>
#include <vector>

extern char** environ;

namespace tabulex::word::docx {
namespace {

constexpr std::string_view kOleMagic = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr std::string_view kZipMagic = "PK\x03\x04";
constexpr std::string_view kRtfMagic = "{\\rtf";
constexpr std::string_view kOdtMime = "application/vnd.oasis.opendocument.text";
// "EncryptedPackage" as the UTF-16LE name of an OLE directory entry.
constexpr std::string_view kEncryptedPackage{"E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32};

std::string LowerExtension(std::string_view fileName) {
    std::string ext = std::filesystem::path(std::string(fileName)).extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

// An ODF package starts with its uncompressed "mimetype" entry.
bool IsOdfText(std::string_view bytes) {
    if (!bytes.starts_with(kZipMagic)) return false;
    std::string_view head = bytes.substr(0, 256);
    std::size_t at = head.find("mimetype");
    return at != std::string_view::npos && head.find(kOdtMime, at) != std::string_view::npos;
}

std::string PercentEncode(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        bool plain = std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string ReadTail(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (all.size() > limit) all.erase(0, all.size() - limit);
    std::replace(all.begin(), all.end(), '\n', ' ');
    return all;
}

void WriteWhole(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

class SpawnSetup {
  public:
    SpawnSetup(const std::string& logPath) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attr_);
        posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions_, 1, 2);
        sigset_t none, defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        sigaddset(&defaults, SIGCHLD);
        posix_spawnattr_setsigmask(&attr_, &none);
        posix_spawnattr_setsigdefault(&attr_, &defaults);
        posix_spawnattr_setpgroup(&attr_, 0);  // its own process group, killed whole on timeout
        posix_spawnattr_setflags(&attr_,
                                 POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attr_);
    }
    const posix_spawn_file_actions_t* Actions() const { return &actions_; }
    const posix_spawnattr_t* Attr() const { return &attr_; }

  private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attr_;
};

struct RunResult {
    bool TimedOut = false;
    int Status = 0;
};

// Runs a program without a shell (file names never pass through one) and waits for it.
RunResult Run(const std::vector<std::string>& args, const std::string& logPath,
              std::chrono::seconds timeout) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    SpawnSetup setup(logPath);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, argv[0], setup.Actions(), setup.Attr(), argv.data(), environ);
    if (rc != 0) throw std::runtime_error(std::string("posix_spawn: ") + std::strerror(rc));

    RunResult result;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        pid_t done = ::waitpid(pid, &result.Status, WNOHANG);
        if (done == pid) break;
        // ECHILD: the host ignores SIGCHLD and the child was reaped for it; its output tells the rest.
        if (done < 0 && errno == ECHILD) break;
        if (done < 0 && errno != EINTR)
            throw std::runtime_error(std::string("waitpid: ") + std::strerror(errno));
        if (std::chrono::steady_clock::now() >= deadline) {
            result.TimedOut = true;
            ::kill(-pid, SIGKILL);
            while (::waitpid(pid, &result.Status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(-pid, SIGKILL);  // helpers LibreOffice may have left behind in its group
    return result;
}

std::string Describe(const RunResult& run) {
    if (WIFEXITED(run.Status)) return "exit status " + std::to_string(WEXITSTATUS(run.Status));
    if (WIFSIGNALED(run.Status)) return "killed by signal " + std::to_string(WTERMSIG(run.Status));
    return "status " + std::to_string(run.Status);
}

}  // namespace

bool IsOleCompound(std::string_view bytes) {
    return bytes.starts_with(kOleMagic);
}

bool IsEncryptedOoxml(std::string_view bytes) {
    return IsOleCompound(bytes) && bytes.find(kEncryptedPackage) != std::string_view::npos;
}

DocumentFormat DetectFormat(std::string_view bytes, std::string_view fileName) {
    if (IsOleCompound(bytes)) return IsEncryptedOoxml(bytes) ? DocumentFormat::Docx : DocumentFormat::Doc;
    if (bytes.starts_with(kRtfMagic)) return DocumentFormat::Rtf;
    if (IsOdfText(bytes)) return DocumentFormat::Odt;
    if (bytes.starts_with(kZipMagic)) return DocumentFormat::Docx;
    std::string ext = LowerExtension(fileName);
    if (ext == ".doc" || ext == ".dot") return DocumentFormat::Doc;
    if (ext == ".rtf") return DocumentFormat::Rtf;
    if (ext == ".odt" || ext == ".ott") return DocumentFormat::Odt;
    if (ext == ".docx" || ext == ".docm" || ext == ".dotx" || ext == ".dotm") return DocumentFormat::Docx;
    return DocumentFormat::Unknown;
}

std::string_view FormatExtension(DocumentFormat format) {
    switch (format) {
        case DocumentFormat::Docx:
            return ".docx";
        case DocumentFormat::Doc:
            return ".doc";
        case DocumentFormat::Rtf:
            return ".rtf";
        case DocumentFormat::Odt:
            return ".odt";
        case DocumentFormat::Unknown:
            break;
    }
    return "";
}

std::string ConvertToDocx(std::string_view bytes, DocumentFormat format, const std::string& displayName,
                          std::chrono::seconds timeout) {
    const std::string shown = ooxml::fs::DisplayName(displayName);
    const std::string ext(FormatExtension(format));
    std::string soffice = ooxml::fs::FindOnPath("soffice");
    if (soffice.empty())
        throw word::Error(std::string(messages::kNeedsLibreOfficePrefix) + ext +
                              std::string(messages::kNeedsLibreOfficeSuffix) + ": " + shown,
                          "soffice not found on PATH");

    std::optional<ooxml::fs::TempFolder> folder;
    try {
        folder.emplace("tabulex-convert-");
    } catch (const word::Error& e) {
        throw word::Error(std::string(messages::kConversionFailed) + shown, e.Detail());
    }
    const ooxml::fs::TempFolder& temp = *folder;
    const std::string input = temp.Path() + "/document" + ext;
    const std::string outDir = temp.Path() + "/out";
    const std::string log = temp.Path() + "/soffice.log";
    RunResult run;
    try {
        // The input is copied under a plain name: its own name may start with '-' or hold anything.
        WriteWhole(input, bytes);
        run = Run({soffice, "-env:UserInstallation=file://" + PercentEncode(temp.Path() + "/profile"),
                   "--headless", "--invisible", "--nologo", "--norestore", "--nolockcheck", "--convert-to",
                   "docx", "--outdir", outDir, input},
                  log, timeout);
    } catch (const std::exception& e) {
        throw word::Error(std::string(messages::kConversionFailed) + shown, e.what());
    }
    if (run.TimedOut)
        throw word::Error(std::string(messages::kConversionTimedOutPrefix) + std::to_string(timeout.count()) +
                              std::string(messages::kConversionTimedOutSuffix) + shown,
                          "soffice killed after " + std::to_string(timeout.count()) + " s");
    const std::string output = outDir + "/document.docx";
    std::error_code ec;
    if (!WIFEXITED(run.Status) || WEXITSTATUS(run.Status) != 0 ||
        !std::filesystem::is_regular_file(output, ec))
        throw word::Error(std::string(messages::kConversionFailed) + shown,
                          "soffice " + Describe(run) + ": " + ReadTail(log, 400));
    return ooxml::fs::ReadDocumentFile(output, PackageLimits{}.MaxTotalUncompressed);
}

Package LoadDocumentFile(const std::string& path, const PackageLimits& limits) {
    std::string bytes = ooxml::fs::ReadDocumentFile(path, limits.MaxTotalUncompressed);
    DocumentFormat format = DetectFormat(bytes, path);
    if (format == DocumentFormat::Doc || format == DocumentFormat::Rtf || format == DocumentFormat::Odt)
        return Package::FromBytes(ConvertToDocx(bytes, format, path), path, limits);
    return Package::FromBytes(std::move(bytes), path, limits);
}

}  // namespace tabulex::word::docx
