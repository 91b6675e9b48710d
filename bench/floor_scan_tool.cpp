// The floor of any .docx reader: inflate word/document.xml and scan it once as a stream,
// counting table rows and text bytes, without building anything. Whole-command benchmarks
// compare the checker with this.

#include <zip.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct ScanCounts {
    long long Rows = 0;
    long long TextBytes = 0;
    long long Bytes = 0;
};

// A byte-level state machine over the XML stream: inside a tag or in character data.
class StreamScanner {
  public:
    void Feed(const char* data, std::size_t size) {
        counts_.Bytes += static_cast<long long>(size);
        for (std::size_t k = 0; k < size; ++k) {
            const char c = data[k];
            if (inTag_) {
                if (c == '>') {
                    inTag_ = false;
                    if (tag_ == "w:tr") ++counts_.Rows;
                } else if (tag_.size() < 8 && c != ' ' && c != '/' && !tagDone_) {
                    tag_ += c;
                } else {
                    tagDone_ = true;
                }
            } else if (c == '<') {
                inTag_ = true;
                tagDone_ = false;
                tag_.clear();
            } else {
                ++counts_.TextBytes;
            }
        }
    }
    const ScanCounts& Counts() const { return counts_; }

  private:
    bool inTag_ = false;
    bool tagDone_ = false;
    std::string tag_;
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
    while ((got = zip_fread(part, buffer.data(), buffer.size())) > 0)
        scanner.Feed(buffer.data(), static_cast<std::size_t>(got));
    zip_fclose(part);
    zip_close(archive);
    std::printf("rows %lld, text bytes %lld, xml bytes %lld\n", scanner.Counts().Rows,
                scanner.Counts().TextBytes, scanner.Counts().Bytes);
    return 0;
}
