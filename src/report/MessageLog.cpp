#include "report/MessageLog.h"

#include <cstdio>
#include <fstream>

namespace tabulex::report {

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t k = 0; k < text.size(); ++k) {
        out += text[k];
        const bool followedByLf = k + 1 < text.size() && text[k + 1] == '\n';
        if (text[k] == '\r' && !followedByLf) out += '\n';
    }
    return out;
}

std::string MessageLogLine(std::string_view text, const std::tm& localTime) {
    // The archive's regional format, whatever the machine's locale: dd.mm.yyyy hh:mm:ss.
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "%02d.%02d.%04d %02d:%02d:%02d", localTime.tm_mday,
                  localTime.tm_mon + 1, localTime.tm_year + 1900, localTime.tm_hour, localTime.tm_min,
                  localTime.tm_sec);
    std::string line = stamp;
    line += '\t';
    const std::string message = WithCrLf(text);
    for (std::size_t k = 0; k < message.size(); ++k) {
        if (message[k] == '\r' && k + 1 < message.size() && message[k + 1] == '\n') {
            line += '\t';
            ++k;
        } else {
            line += message[k];
        }
    }
    return line;
}

bool AppendMessageLog(const std::filesystem::path& file, std::string_view line) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out) return false;
    out << line << "\r\n";
    out.flush();
    return static_cast<bool>(out);
}

std::vector<std::string> LoadMessageHistory(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string HistoryEntryText(std::string_view line) {
    const std::size_t tab = line.find('\t');
    const std::string_view message =
        tab == std::string_view::npos ? std::string_view{} : line.substr(tab + 1);
    std::string out;
    for (char c : message) {
        if (c == '\t')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

}  // namespace tabulex::report
