#include "docx/stream/Reader.h"

namespace tabulex::word::docx::stream {

void Reader::Characters(const char* s, int len) {
    if (failed_ || !frames_.back().TracksText) return;
    if (inCdata_) {
        segment_.append(s, static_cast<std::size_t>(len));
        return;
    }
    segAny_ = true;
    for (int i = 0; i < len && !segNonWs_; ++i)
        if (!(s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r')) segNonWs_ = true;
    if (frames_.back().Role == Role::Text) segment_.append(s, static_cast<std::size_t>(len));
}

// pugixml keeps a whitespace-only text only when it is its element's single child.
void Reader::CloseSegment(Frame& frame, bool byEndTag) {
    if (!segAny_) return;
    if (segNonWs_ || (byEndTag && !frame.KeptChild)) {
        frame.KeptChild = true;
        if (frame.Role == Role::Text && !valueDone_) {
            value_.swap(segment_);
            valueDone_ = true;
        }
    }
    segAny_ = segNonWs_ = false;
    segment_.clear();
}

void Reader::CdataStart() {
    Frame& frame = frames_.back();
    CloseSegment(frame, false);
    inCdata_ = true;
    segment_.clear();
}

void Reader::CdataEnd() {
    Frame& frame = frames_.back();
    inCdata_ = false;
    if (frame.TracksText) {
        frame.KeptChild = true;
        if (frame.Role == Role::Text && !valueDone_) {
            value_.swap(segment_);
            valueDone_ = true;
        }
    }
    segment_.clear();
}

}  // namespace tabulex::word::docx::stream
