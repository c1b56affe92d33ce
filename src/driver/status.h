// The outcome of an operation that can fail, with a message for the user.

#ifndef MORVEX_DRIVER_STATUS_H_
#define MORVEX_DRIVER_STATUS_H_

#include <string>
#include <utility>

namespace morvex {

class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Failure(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
};

}  // namespace morvex

#endif  // MORVEX_DRIVER_STATUS_H_
