#pragma once
// Messages and questions for the user, and the files they pick.
#include <optional>
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

// One entry of a file dialog's list of file types: its name as the user
// reads it, and its patterns ("*.txt", several joined by ';').
struct FileType {
  std::u16string name;
  std::u16string patterns;
};

// What a file dialog offers: its title, the name it suggests (a save) and
// the file types, the first one chosen.
struct FileQuestion {
  std::u16string title;
  std::u16string file_name;
  std::vector<FileType> types;
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
  // The system's Save As dialog: the full name the user chose (who agreed
  // to replace a file of that name), or nullopt when cancelled.
  virtual std::optional<std::u16string> ChooseFileToSave(const FileQuestion& question) = 0;
  // The system's Open dialog: the full name of an existing file, or nullopt
  // when cancelled.
  virtual std::optional<std::u16string> ChooseFileToOpen(const FileQuestion& question) = 0;
};

}  // namespace vorenta
