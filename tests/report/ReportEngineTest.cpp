// The report engine: bands stacking and breaking over pages, a growing text, hooks,
// sizing, switched-off elements, and the lines and picture of the result report.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "report/ExemploResultado.h"
#include "report/PdfReader.h"
#include "report/Report.h"
#include "report/ReportFonts.h"
#include "report/ReportLabel.h"
#include "report/ReportRenderer.h"
#include "report/ReportTextBlock.h"
#include "report/TfrmResultado.h"
#include "support/TempDir.h"

namespace validador {
namespace {

constexpr double kTolerance = 1e-6;

ReportTextBlock* AddText(ReportBand& band, double top, int lineCount) {
  auto* text = band.Add<ReportTextBlock>(QStringLiteral("texto"), QRectF(4.9, top, 190, 6.8),
                                         ArialFont(10), Qt::black);
  text->SetLines(reporttest::LogDe(lineCount));
  return text;
}

double UsedHeight(const ReportPage& page) {
  double used = 0;
  for (const ReportSlice& slice : page.slices)
    used = std::max(used, slice.pageTopMm + slice.bandToMm - slice.bandFromMm);
  return used;
}

std::vector<ReportSlice> SlicesOf(const std::vector<ReportPage>& pages, const ReportBand& band) {
  std::vector<ReportSlice> slices;
  for (const ReportPage& page : pages)
    for (const ReportSlice& slice : page.slices)
      if (slice.band == &band) slices.push_back(slice);
  return slices;
}

TEST(ReportPagination, StacksBandsInPrintOrderOnOnePage) {
  Report report(QStringLiteral("r"));
  ReportBand& summary = report.AddBand(QStringLiteral("s"), ReportBandKind::Summary, 43.2);
  ReportBand& title = report.AddBand(QStringLiteral("t"), ReportBandKind::Title, 27.6);
  ReportBand& detail = report.AddBand(QStringLiteral("d"), ReportBandKind::Detail, 40.8);
  const std::vector<ReportPage> pages = report.Prepare();

  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].slices.size(), 3u);
  const std::vector<std::pair<const ReportBand*, double>> expected = {
      {&title, 0.0}, {&detail, 27.6}, {&summary, 68.4}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(pages[0].slices[i].band, expected[i].first) << i;
    EXPECT_NEAR(pages[0].slices[i].pageTopMm, expected[i].second, kTolerance) << i;
    EXPECT_NEAR(pages[0].slices[i].bandFromMm, 0, kTolerance) << i;
    EXPECT_NEAR(pages[0].slices[i].bandToMm, expected[i].first->Height(), kTolerance) << i;
  }
}

TEST(ReportPagination, MovesABandThatDoesNotFitToTheNextPage) {
  Report report(QStringLiteral("r"));
  report.AddBand(QStringLiteral("t"), ReportBandKind::Title, 200);
  ReportBand& detail = report.AddBand(QStringLiteral("d"), ReportBandKind::Detail, 100);
  const std::vector<ReportPage> pages = report.Prepare();

  ASSERT_EQ(pages.size(), 2u);
  ASSERT_EQ(pages[1].slices.size(), 1u);
  EXPECT_EQ(pages[1].slices[0].band, &detail);
  EXPECT_NEAR(pages[1].slices[0].pageTopMm, 0, kTolerance);
}

TEST(ReportPagination, PlacesABandTallerThanAPageOnItsOwnPage) {
  Report report(QStringLiteral("r"));
  report.AddBand(QStringLiteral("t"), ReportBandKind::Title, 20);
  ReportBand& tall = report.AddBand(QStringLiteral("d"), ReportBandKind::Detail, 400);
  ReportBand& summary = report.AddBand(QStringLiteral("s"), ReportBandKind::Summary, 20);
  const std::vector<ReportPage> pages = report.Prepare();

  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[1].slices.size(), 1u);
  EXPECT_EQ(pages[1].slices[0].band, &tall);
  EXPECT_NEAR(pages[1].slices[0].bandToMm, 400, kTolerance);
  EXPECT_EQ(pages[2].slices[0].band, &summary);
}

// A detail band whose text needs several pages: its pieces follow one another without
// gap or overlap, every break falls between two printed lines, no page overflows, and
// the summary comes after the last piece.
TEST(ReportPagination, BreaksAGrowingTextBetweenItsLines) {
  Report report(QStringLiteral("r"));
  report.AddBand(QStringLiteral("t"), ReportBandKind::Title, 27.6);
  ReportBand& detail = report.AddBand(QStringLiteral("d"), ReportBandKind::Detail, 40.8);
  ReportTextBlock* text = AddText(detail, 33.5, 200);
  ReportBand& summary = report.AddBand(QStringLiteral("s"), ReportBandKind::Summary, 43.2);
  const std::vector<ReportPage> pages = report.Prepare();

  ASSERT_GE(pages.size(), 3u);
  for (const ReportPage& page : pages)
    EXPECT_LE(UsedHeight(page), report.PrintableHeight() + kTolerance);

  const std::vector<ReportSlice> pieces = SlicesOf(pages, detail);
  ASSERT_EQ(pieces.size(), pages.size() - (SlicesOf(pages, summary).front().pageTopMm == 0));
  EXPECT_NEAR(pieces.front().bandFromMm, 0, kTolerance);
  EXPECT_NEAR(pieces.back().bandToMm, detail.Height(), kTolerance);
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    EXPECT_NEAR(pieces[i].bandFromMm, pieces[i - 1].bandToMm, kTolerance);
    EXPECT_NEAR(pieces[i].pageTopMm, 0, kTolerance);
    const double linesAbove = (pieces[i].bandFromMm - 33.5) / text->LineHeightMm();
    EXPECT_NEAR(linesAbove, std::round(linesAbove), 1e-6) << i;
  }
  const ReportSlice last = SlicesOf(pages, summary).front();
  EXPECT_EQ(pages.back().slices.back().band, &summary);
  EXPECT_TRUE(std::abs(last.pageTopMm - (pieces.back().pageTopMm + pieces.back().bandToMm -
                                         pieces.back().bandFromMm)) < kTolerance ||
              last.pageTopMm == 0);
}

TEST(ReportBand, GrowsWithItsTextAndMovesTheElementsBelowIt) {
  ReportBand band(QStringLiteral("d"), ReportBandKind::Detail, 50, 200);
  auto* above = band.Add<ReportLabel>(QStringLiteral("acima"), QPointF(1, 1), QStringLiteral("a"),
                                      ArialFont(10), Qt::black);
  ReportTextBlock* text = AddText(band, 30, 10);
  auto* below = band.Add<ReportLabel>(QStringLiteral("abaixo"), QPointF(1, 40),
                                      QStringLiteral("b"), ArialFont(10), Qt::black);
  band.Prepare();

  const double growth = 10 * text->LineHeightMm() - 6.8;
  ASSERT_GT(growth, 0);
  EXPECT_NEAR(band.Height(), 50 + growth, kTolerance);
  EXPECT_NEAR(band.TopOf(*above), 1, kTolerance);
  EXPECT_NEAR(band.TopOf(*text), 30, kTolerance);
  EXPECT_NEAR(band.TopOf(*below), 40 + growth, kTolerance);
}

TEST(ReportBand, KeepsItsHeightWhileItsTextFitsTheBox) {
  ReportBand band(QStringLiteral("d"), ReportBandKind::Detail, 40.8, 200);
  ReportTextBlock* text = AddText(band, 33.5, 1);
  band.Prepare();
  EXPECT_EQ(text->PrintedLineCount(), 1);
  EXPECT_NEAR(band.Height(), 40.8, kTolerance);
  EXPECT_EQ(band.BreakPoints(), std::vector<double>{40.8});
}

TEST(ReportTextBlock, GivesEveryLineItsPlaceEmptyOnesToo) {
  ReportBand band(QStringLiteral("d"), ReportBandKind::Detail, 40.8, 200);
  ReportTextBlock* text = AddText(band, 33.5, 0);
  text->SetLines({QStringLiteral("um"), QString(), QStringLiteral("três")});
  band.Prepare();
  EXPECT_EQ(text->PrintedLineCount(), 3);
  ASSERT_EQ(text->BreakPoints().size(), 2u);
  EXPECT_NEAR(text->BreakPoints()[1], 2 * text->LineHeightMm(), kTolerance);
}

TEST(ReportBand, RunsTheHooksInPrintOrderBeforeMeasuring) {
  Report report(QStringLiteral("r"));
  std::vector<std::string> calls;
  ReportBand& summary = report.AddBand(QStringLiteral("s"), ReportBandKind::Summary, 10);
  ReportBand& detail = report.AddBand(QStringLiteral("d"), ReportBandKind::Detail, 10);
  ReportBand& title = report.AddBand(QStringLiteral("t"), ReportBandKind::Title, 10);
  auto* label = detail.Add<ReportLabel>(QStringLiteral("l"), QPointF(0, 0), QStringLiteral("x"),
                                        ArialFont(10), Qt::black);
  summary.SetBeforePrint([&] { calls.push_back("summary"); });
  title.SetBeforePrint([&] { calls.push_back("title"); });
  detail.SetBeforePrint([&] {
    calls.push_back("detail");
    label->SetText(QStringLiteral("xxxxxxxxxx"));
  });
  report.Prepare();

  EXPECT_EQ(calls, (std::vector<std::string>{"title", "detail", "summary"}));
  const double oneX = label->Box().width() / 10;
  label->SetText(QStringLiteral("x"));
  label->Prepare();
  EXPECT_NEAR(label->Box().width(), oneX, 1e-3);
}

TEST(ReportLabel, SizesItselfToItsText) {
  ReportLabel label(QStringLiteral("l"), QPointF(3, 4), QStringLiteral("MMMM"), ArialFont(10),
                    Qt::black);
  label.Prepare();
  const QSizeF shortSize = label.Box().size();
  label.SetText(QStringLiteral("MMMMMMMM"));
  label.Prepare();
  EXPECT_NEAR(label.Box().width(), 2 * shortSize.width(), 0.01 * shortSize.width());
  EXPECT_NEAR(label.Box().height(), shortSize.height(), kTolerance);
  // Arial 10 pt: an M is 0.833 em wide, a line about 1.15 em high.
  EXPECT_NEAR(shortSize.width(), 4 * 0.833 * 10 * 25.4 / 72, 0.2);
  EXPECT_NEAR(shortSize.height(), 1.15 * 10 * 25.4 / 72, 0.2);
  EXPECT_EQ(label.Box().topLeft(), QPointF(3, 4));
}

class ReportOutput : public ::testing::Test {
 protected:
  std::string Pdf(Report& report) {
    const std::string path = dir_.File("r.pdf");
    QString error;
    EXPECT_TRUE(SaveReportPdf(report, QString::fromStdString(path), &error));
    return path;
  }
  static bool HasWord(const std::string& pdf, const std::string& text) {
    for (const reporttest::PdfWord& word : reporttest::PdfWords(pdf))
      if (word.text == text) return true;
    return false;
  }
  testsupport::TempDir dir_;
};

TEST_F(ReportOutput, LeavesOutAnElementThatIsOff) {
  Report report(QStringLiteral("r"));
  ReportBand& detail = report.AddBand(QStringLiteral("d"), ReportBandKind::Detail, 20);
  detail.Add<ReportLabel>(QStringLiteral("on"), QPointF(0, 0), QStringLiteral("LIGADO"),
                          ArialFont(10), Qt::black);
  auto* off = detail.Add<ReportLabel>(QStringLiteral("off"), QPointF(0, 10),
                                      QStringLiteral("DESLIGADO"), ArialFont(10), Qt::black);
  off->SetEnabled(false);
  const std::string pdf = Pdf(report);
  EXPECT_TRUE(HasWord(pdf, "LIGADO"));
  EXPECT_FALSE(HasWord(pdf, "DESLIGADO"));
}

// qrlHash2 is off in the layout and only a digest longer than 64 characters turns it on.
TEST_F(ReportOutput, TurnsTheSecondHashLineOnOnlyForLongDigests) {
  for (const int length : {64, 65}) {
    TfrmResultado form;
    DadosResultado dados = reporttest::ExemploResultado();
    dados.digest = reporttest::DigestDe(length);
    form.PreencheRelatorio(dados);
    EXPECT_EQ(form.qrlHash2->Enabled(), length > 64);
    form.qrlHash2->SetText(QStringLiteral("SEGUNDA"));
    EXPECT_EQ(HasWord(Pdf(form.QuickRep1), "SEGUNDA"), length > 64) << length;
  }
}

TEST(TfrmResultado, FillsTheReferenceAndContactsInTheBandHooks) {
  TfrmResultado form;
  const DadosResultado dados = reporttest::ExemploResultado();
  form.PreencheRelatorio(dados);
  EXPECT_TRUE(form.qrlNmCaso->Text().isEmpty());
  EXPECT_TRUE(form.QRLabel11->Text().isEmpty());
  form.QuickRep1.Prepare();
  EXPECT_EQ(form.qrlNmCaso->Text(), dados.numCaso);
  EXPECT_EQ(form.QRLabel11->Text(), dados.nomeAnalista);
  EXPECT_EQ(form.QRLabel12->Text(), dados.emailContato);
  EXPECT_EQ(form.QRLabel13->Text(), dados.telContato);
  EXPECT_EQ(form.QRRichText1->Lines(), dados.linhasLog);
  EXPECT_EQ(form.qrlAlgol->Text(), dados.algoritmo);
}

// Lines and pictures do not show in the text of a PDF: the first page is painted on an
// image at 100 dpi and looked at where they should be.
class ResultadoPicture : public ::testing::Test {
 protected:
  static constexpr double kDotsPerInch = 100;

  void SetUp() override {
    form_.PreencheRelatorio(reporttest::ExemploResultado());
    const std::vector<ReportPage> pages = form_.QuickRep1.Prepare();
    const QPageLayout layout = form_.QuickRep1.PageLayout();
    const QSizeF paper = layout.fullRect(QPageLayout::Inch).size() * kDotsPerInch;
    image_ = QImage(paper.toSize(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    QPainter painter(&image_);
    const QMarginsF margins = form_.QuickRep1.PageSetup().marginsMm / 25.4 * kDotsPerInch;
    painter.translate(margins.left(), margins.top());
    PaintReportPage(painter, pages.front(), kDotsPerInch, kDotsPerInch);
  }

  // The darkest grey level within half a millimetre above or below the point.
  int DarkestNear(double xMm, double yMm) const {
    const double perMm = kDotsPerInch / 25.4;
    int darkest = 255;
    const int x = static_cast<int>(xMm * perMm);
    for (int y = static_cast<int>((yMm - 0.5) * perMm); y <= (yMm + 0.5) * perMm; ++y)
      darkest = std::min(darkest, qGray(image_.pixel(x, y)));
    return darkest;
  }

  TfrmResultado form_;
  QImage image_;
};

TEST_F(ResultadoPicture, RulesTheTitleBandAlongItsBottomEdge) {
  const double bottom = 10 + 27.6;
  for (double x = 6; x < 204; x += 7) EXPECT_LT(DarkestNear(x, bottom), 128) << x;
  EXPECT_GT(DarkestNear(3, bottom), 250);
}

TEST_F(ResultadoPicture, DrawsTheSignatureLineOfTheSummary) {
  const double y = 10 + 27.6 + 40.8 + 25.8 + 1.0;
  for (double x = 5 + 37.7 + 1; x < 5 + 37.7 + 114.7; x += 5) EXPECT_LT(DarkestNear(x, y), 160) << x;
  EXPECT_GT(DarkestNear(5 + 37.7 - 2, y), 250);
  EXPECT_GT(DarkestNear(5 + 37.7 + 114.7 + 2, y), 250);
}

TEST_F(ResultadoPicture, ShowsTheEmblemInTheTitleBand) {
  const double perMm = kDotsPerInch / 25.4;
  const QImage emblem = image_.copy(QRect(QPoint(static_cast<int>(7.6 * perMm), static_cast<int>(12.6 * perMm)),
                                          QSize(static_cast<int>(21.5 * perMm), static_cast<int>(21.5 * perMm))));
  int coloured = 0;
  for (int y = 0; y < emblem.height(); ++y)
    for (int x = 0; x < emblem.width(); ++x)
      if (qGray(emblem.pixel(x, y)) < 128) ++coloured;
  EXPECT_GT(coloured, emblem.width() * emblem.height() / 5);
}

}  // namespace
}  // namespace validador
