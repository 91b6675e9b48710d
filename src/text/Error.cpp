#include "text/Error.h"

#include "text/Cp1251.h"

namespace tabulex::text {
namespace {
std::string Describe(const std::string& message1251, const std::string& detail) {
    std::string utf8 = text::Cp1251ToUtf8(message1251);
    if (!detail.empty()) utf8 += " (" + detail + ")";
    return utf8;
}
}  // namespace

Error::Error(std::string message1251, std::string detail)
    : std::runtime_error(Describe(message1251, detail)),
      message_(std::move(message1251)),
      detail_(std::move(detail)) {}

}  // namespace tabulex::text
