// A part writer run ahead on a helper thread hands out what the writer makes, in order, and what
// the writer throws after the same bytes as the writer itself.

#include "ooxml/WriteAhead.h"
#include "text/Error.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulex::ooxml {
namespace {

// Pieces of varying sizes, numbered; throws text::Error instead of piece `failAt` (never when -1).
class NumberedPieces final : public PartWriter {
  public:
    NumberedPieces(int count, int failAt) : count_(count), failAt_(failAt) {}
    bool Next(std::string& out) override {
        if (made_ == failAt_) throw text::Error("failed at " + std::to_string(made_));
        out += std::to_string(made_) + std::string(static_cast<std::size_t>(made_ % 97) * 41, 'x') + ";";
        return ++made_ < count_;
    }

  private:
    int count_;
    int failAt_;
    int made_ = 0;
};

struct Written {
    std::string Bytes;
    std::string Error;
};

Written Drain(PartWriter& writer) {
    Written written;
    try {
        while (writer.Next(written.Bytes)) {
        }
    } catch (const text::Error& error) {
        written.Error = error.Message();
    }
    return written;
}

TEST(WriteAheadTest, GivesTheWritersBytesAndFailureInOrder) {
    struct Case {
        int Count;
        int FailAt;
    };
    for (const Case c :
         {Case{1, -1}, Case{3, -1}, Case{5000, -1}, Case{5000, 0}, Case{5000, 1}, Case{5000, 4321}}) {
        SCOPED_TRACE(std::to_string(c.Count) + " pieces, failing at " + std::to_string(c.FailAt));
        NumberedPieces alone(c.Count, c.FailAt);
        const Written expected = Drain(alone);
        NumberedPieces behind(c.Count, c.FailAt);
        WriteAhead ahead(behind);
        const Written got = Drain(ahead);
        EXPECT_EQ(got.Error, expected.Error);
        EXPECT_EQ(got.Bytes.size(), expected.Bytes.size());
        EXPECT_TRUE(got.Bytes == expected.Bytes);
    }
}

TEST(WriteAheadTest, AReaderThatStopsEarlyEndsTheHelper) {
    for (int taken : {0, 1, 3}) {
        NumberedPieces writer(100000, -1);
        WriteAhead ahead(writer);
        std::string out;
        for (int k = 0; k < taken; ++k) EXPECT_TRUE(ahead.Next(out));
    }
}

}  // namespace
}  // namespace tabulex::ooxml
