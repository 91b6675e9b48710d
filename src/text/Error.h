#pragma once

#include <stdexcept>
#include <string>

namespace tabulex::text {

// The one error type of the core. Message() is the user's Russian text in Windows-1251;
// Detail() says, for the developer, what failed (part name, XML offset, libzip code).
class Error : public std::runtime_error {
  public:
    explicit Error(std::string message1251, std::string detail = {});

    const std::string& Message() const { return message_; }
    const std::string& Detail() const { return detail_; }

  private:
    std::string message_;
    std::string detail_;
};

}  // namespace tabulex::text
