#pragma once
// The verification log: the lines a check writes, each in the error style or the
// normal style, and the counter of lines written through EscreveLog since the
// last reset. The closing line of a command is appended without a style and is
// not counted.

#include <string>
#include <string_view>
#include <vector>

namespace validador {

enum class LogStyle : char {
  Error = 'E',   // 12 points, red
  Normal = 'N',  // 8 points, blue
  Plain = '-',   // no style of its own (the closing line)
};

struct LogLine {
  std::string text;  // Windows-1252
  LogStyle style;
};

class VerificationLog {
 public:
  // Appends `text` as the new last line in the chosen style; returns that line.
  const LogLine& EscreveLog(std::string_view text, bool errorStyle);

  // Appends a line that carries no style and does not advance the counter.
  const LogLine& AppendPlain(std::string_view text);

  // Empties the log and sets the counter to 0.
  void Clear();

  const std::vector<LogLine>& Lines() const { return lines_; }
  int ContadorLinhasLog() const { return contadorLinhasLog_; }
  bool HasErrorLine() const;

 private:
  std::vector<LogLine> lines_;
  int contadorLinhasLog_ = 0;
};

}  // namespace validador
