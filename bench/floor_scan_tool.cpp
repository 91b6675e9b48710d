// The floor of any .docx reader: inflate word/document.xml and parse it once as a stream with a
// conforming XML parser, counting table rows and text bytes, without building anything.
// Whole-command benchmarks compare the checker with this.

#include <expat.h>
#include <zip.h>

#include <array>
#include <cstdio>
#include <cstring>

namespace {

struct ScanCounts {
    long long Rows = 0;
    long long TextBytes = 0;
    long long Bytes = 0;
};

// A conforming XML parser (expat, as the checker's own reader uses) over the stream, counting
// table rows and character data and keeping nothing.
class StreamScanner {
  public:
    StreamScanner() : parser_(XML_ParserCreate(nullptr)) {
        XML_SetUserData(parser_, &counts_);
        XML_SetStartElementHandler(parser_, [](void* counts, const XML_Char* name, const XML_Char**) {
            if (std::strcmp(name, "w:tr") == 0) ++static_cast<ScanCounts*>(counts)->Rows;
        });
        XML_SetCharacterDataHandler(parser_, [](void* counts, const XML_Char*, int length) {
            static_cast<ScanCounts*>(counts)->TextBytes += length;
        });
    }
    ~StreamScanner() { XML_ParserFree(parser_); }
    StreamScanner(const StreamScanner&) = delete;
    StreamScanner& operator=(const StreamScanner&) = delete;

    bool Feed(const char* data, std::size_t size, bool last) {
        counts_.Bytes += static_cast<long long>(size);
        return XML_Parse(parser_, data, static_cast<int>(size), last) == XML_STATUS_OK;
    }
    const ScanCounts& Counts() const { return counts_; }

  private:
    XML_Parser parser_;
    ScanCounts counts_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: floor_scan_tool FILE.docx\n");
        return 2;
    }
    int error = 0;
    zip_t* archive = zip_open(argv[1], ZIP_RDONLY, &error);
    if (!archive) {
        std::fprintf(stderr, "cannot open %s (libzip %d)\n", argv[1], error);
        return 2;
    }
    zip_file_t* part = zip_fopen(archive, "word/document.xml", 0);
    if (!part) {
        std::fprintf(stderr, "no word/document.xml\n");
        zip_close(archive);
        return 2;
    }
    StreamScanner scanner;
    std::array<char, 1 << 16> buffer{};
    zip_int64_t got = 0;
    bool parsed = true;
    while (parsed && (got = zip_fread(part, buffer.data(), buffer.size())) > 0)
        parsed = scanner.Feed(buffer.data(), static_cast<std::size_t>(got), false);
    parsed = parsed && scanner.Feed(nullptr, 0, true);
    zip_fclose(part);
    zip_close(archive);
    if (!parsed) {
        std::fprintf(stderr, "word/document.xml is not well-formed XML\n");
        return 2;
    }
    std::printf("rows %lld, text bytes %lld, xml bytes %lld\n", scanner.Counts().Rows,
                scanner.Counts().TextBytes, scanner.Counts().Bytes);
    return 0;
}
