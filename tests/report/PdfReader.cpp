#include "report/PdfReader.h"

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

// The value of attribute `name` in an element written as name="value".
double Attribute(const std::string& element, const std::string& name) {
  const std::string key = name + "=\"";
  const auto start = element.find(key);
  if (start == std::string::npos) throw std::runtime_error("no " + name + " in " + element);
  return std::stod(element.substr(start + key.size()));
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
  std::vector<PdfWord> words;
  int page = 0;
  std::istringstream stream(html);
  for (std::string line; std::getline(stream, line);) {
    if (line.find("<page ") != std::string::npos) ++page;
    if (line.find("<word ") == std::string::npos) continue;
    const auto textStart = line.find('>') + 1;
    const std::string text = line.substr(textStart, line.find("</word>") - textStart);
    words.push_back({UnescapeHtml(text), page, Attribute(line, "xMin") * kMmPerPoint,
                     Attribute(line, "yMin") * kMmPerPoint, Attribute(line, "xMax") * kMmPerPoint,
                     Attribute(line, "yMax") * kMmPerPoint});
  }
  return words;
}

PdfInfo ReadPdfInfo(const std::string& pdfPath) {
  std::istringstream stream(Run(PDFINFO_PROGRAM, {pdfPath}));
  PdfInfo info;
  for (std::string line; std::getline(stream, line);) {
    std::istringstream fields(line);
    std::string key, x;
    if (line.rfind("Pages:", 0) == 0) fields >> key >> info.pages;
    if (line.rfind("Page size:", 0) == 0)
      fields >> key >> key >> info.widthPoints >> x >> info.heightPoints;
  }
  return info;
}

}  // namespace reporttest
