#include "report/PdfReader.h"

#include <regex>
#include <sstream>
#include <stdexcept>

#include "support/RunProcess.h"

namespace reporttest {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

std::string Run(const char* program, const std::vector<std::string>& args) {
  const testsupport::ProcessResult result = testsupport::RunProcess(program, args);
  if (result.exitCode != 0)
    throw std::runtime_error(std::string(program) + " failed: " + result.err);
  return result.out;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string UnescapeHtml(std::string text) {
  static const std::vector<std::pair<std::string, std::string>> entities = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
      text.replace(at, entity.size(), character);
  }
  return text;
}

}  // namespace

std::vector<std::string> PdfPageTexts(const std::string& pdfPath) {
  const std::string text = Run(PDFTOTEXT_PROGRAM, {"-layout", "-enc", "UTF-8", pdfPath, "-"});
  std::vector<std::string> pages;
  std::istringstream stream(text);
  for (std::string page; std::getline(stream, page, '\f');) pages.push_back(page);
  // pdftotext ends the last page with a form feed too.
  if (!pages.empty() && Trimmed(pages.back()).find_first_not_of('\n') == std::string::npos)
    pages.pop_back();
  return pages;
}

std::vector<std::string> PdfLines(const std::string& pdfPath) {
  std::vector<std::string> lines;
  for (const std::string& page : PdfPageTexts(pdfPath)) {
    std::istringstream stream(page);
    for (std::string line; std::getline(stream, line);) {
      line = Trimmed(line);
      if (!line.empty()) lines.push_back(line);
    }
  }
  return lines;
}

std::vector<PdfWord> PdfWords(const std::string& pdfPath) {
  const std::string html = Run(PDFTOTEXT_PROGRAM, {"-bbox", "-enc", "UTF-8", pdfPath, "-"});
  static const std::regex wordPattern(
      R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> words;
  int page = 0;
  std::istringstream stream(html);
  for (std::string line; std::getline(stream, line);) {
    if (line.find("<page ") != std::string::npos) ++page;
    std::smatch match;
    if (!std::regex_search(line, match, wordPattern)) continue;
    words.push_back({UnescapeHtml(match[5]), page, std::stod(match[1]) * kMmPerPoint,
                     std::stod(match[2]) * kMmPerPoint, std::stod(match[3]) * kMmPerPoint,
                     std::stod(match[4]) * kMmPerPoint});
  }
  return words;
}

PdfInfo ReadPdfInfo(const std::string& pdfPath) {
  const std::string text = Run(PDFINFO_PROGRAM, {pdfPath});
  static const std::regex pagesPattern(R"(Pages:\s+(\d+))");
  static const std::regex sizePattern(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)");
  PdfInfo info;
  std::smatch match;
  if (std::regex_search(text, match, pagesPattern)) info.pages = std::stoi(match[1]);
  if (std::regex_search(text, match, sizePattern)) {
    info.widthPoints = std::stod(match[1]);
    info.heightPoints = std::stod(match[2]);
  }
  return info;
}

}  // namespace reporttest
