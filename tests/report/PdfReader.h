#pragma once
// Reads a PDF file back with poppler's tools: its text page by page (laid out as on
// the page), its words with their positions, and its page count and size.

#include <string>
#include <vector>

namespace reporttest {

// A word and its box, in millimetres from the page's top-left corner.
struct PdfWord {
  std::string text;  // UTF-8
  int page = 0;      // from 1
  double left = 0, top = 0, right = 0, bottom = 0;
};

struct PdfInfo {
  int pages = 0;
  double widthPoints = 0, heightPoints = 0;
};

// The text of each page, laid out as on the page (pdftotext -layout).
std::vector<std::string> PdfPageTexts(const std::string& pdfPath);
// The lines of all the pages, in order, blank ones left out and blanks trimmed.
std::vector<std::string> PdfLines(const std::string& pdfPath);
std::vector<PdfWord> PdfWords(const std::string& pdfPath);
PdfInfo ReadPdfInfo(const std::string& pdfPath);

}  // namespace reporttest
