#pragma once
// Messages and questions for the user.
#include <string>
#include <vector>

namespace vorenta {

// What the program tells the user: a one-line heading and the details
// (where, why, what to do).
struct UserMessage {
  std::u16string heading;
  std::u16string details;
  bool warning = false;  // something went wrong, as opposed to news
};

class Dialogs {
 public:
  static constexpr int kCancelled = -1;

  virtual ~Dialogs() = default;
  // Shows the message until the user closes it.
  virtual void Inform(const UserMessage& message) = 0;
  // Offers the choices; the index of the one taken, or kCancelled when the
  // user closed the question without choosing.
  virtual int Choose(const UserMessage& message, const std::vector<std::u16string>& choices) = 0;
  // A yes-or-no question, answered with the system's own Yes and No
  // buttons; true for yes. Closing it answers no.
  virtual bool Ask(const UserMessage& question) = 0;
};

}  // namespace vorenta
