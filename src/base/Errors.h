#pragma once
// Errors raised below the checks. Findings about the data are never exceptions;
// these end the running command and reach the shell's general error handler.

#include <stdexcept>
#include <string>

namespace validador {

// Base of every error the shells show in their general error handler.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message)
      : std::runtime_error(message), message_(message) {}

  // The whole message. what() ends at the first NUL byte, which a message quoting a
  // delivery's bytes may hold; this keeps every byte.
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

// A text that the integer conversion rejects: "'%s' is not a valid integer value". Where
// the text came from (the file and the box it fills), when known, is kept beside the
// message for the command line to name.
class EConvertError : public Exception {
 public:
  explicit EConvertError(const std::string& message, std::string where = {})
      : Exception(message), where_(std::move(where)) {}

  // "I_IDENTIFICA_DADOS.txt, quantidade declarada de E"; empty when unknown.
  const std::string& Where() const { return where_; }

 private:
  std::string where_;
};

// An input/output error of a file: "File not found", "File access denied",
// "Disk full" or "I/O error %d". The message is the error's own text; the file it
// concerns, when known, is kept beside it for the command line to name.
class EInOutError : public Exception {
 public:
  EInOutError(int errorCode, const std::string& message, std::string path = {})
      : Exception(message), errorCode_(errorCode), path_(std::move(path)) {}

  // Builds the error for a failed system call from its errno value.
  // The system's text, with what the number means in Portuguese after the numbers a
  // user meets with files: "I/O error 21 (é uma pasta)".
  static EInOutError FromErrno(int errnoValue, std::string path = {});

  // The access error for a folder, FIFO, device or socket where a file is to be read:
  // "File access denied (é uma pasta)", "File access denied (não é um arquivo comum)".
  static EInOutError NotARegularFile(int errorCode, bool isFolder, std::string path);

  int ErrorCode() const { return errorCode_; }
  // The file concerned (UTF-8), or empty.
  const std::string& Path() const { return path_; }

 private:
  int errorCode_;
  std::string path_;
};

// The message as the shells show it: with a full stop added when it has none.
std::string MessageWithFullStop(const std::string& message);

}  // namespace validador
