// The organisation's texts, and the pictures compiled into the report library.
#include <gtest/gtest.h>

#include <QImage>
#include <QFile>
#include <QImageReader>
#include <QSet>

#include "branding/Branding.h"

namespace validador {
namespace {

TEST(Branding, HasFourDistinctHeadingLines) {
  QSet<QString> lines;
  for (int i = 1; i <= 4; ++i) {
    EXPECT_FALSE(HeadingLine(i).isEmpty()) << i;
    lines.insert(HeadingLine(i));
  }
  EXPECT_EQ(lines.size(), 4);
  EXPECT_TRUE(HeadingLine(0).isEmpty());
  EXPECT_TRUE(HeadingLine(5).isEmpty());
  EXPECT_FALSE(SplashHeadingLine().isEmpty());
}

TEST(Branding, KeepsTheProgramsOwnTexts) {
  EXPECT_EQ(VersionLine(), QStringLiteral("Versão 2007.1   (Abril 2007) ."));
  EXPECT_EQ(ProgramTitle(), QStringLiteral(" Validador "));
}

struct PictureCase {
  const char* name;
  QString (*path)();
  const char* format;
  int width, height;
};

class BrandingPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(BrandingPicture, LoadsWithItsFormatAndSize) {
  InitBrandingResources();
  InitBrandingResources();
  QImageReader reader(GetParam().path());
  EXPECT_EQ(reader.format(), QByteArray(GetParam().format));
  const QImage picture = reader.read();
  ASSERT_FALSE(picture.isNull()) << GetParam().name << ": " << reader.errorString().toStdString();
  EXPECT_EQ(picture.size(), QSize(GetParam().width, GetParam().height));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, BrandingPicture,
    ::testing::Values(PictureCase{"logo", LogoPicturePath, "jpeg", 78, 86},
                      PictureCase{"emblem", EmblemPicturePath, "jpeg", 74, 82},
                      PictureCase{"splash", SplashPicturePath, "gif", 500, 304},
                      PictureCase{"icon", AppIconPath, "png", 256, 256}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BrandingPicture, ShipsTheIconDrawingToo) {
  InitBrandingResources();
  QFile svg(AppIconSvgPath());
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
}

int ColourCount(const QImage& picture, bool* allGrey) {
  QSet<QRgb> colours;
  *allGrey = true;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      if (qAlpha(pixel) == 0) continue;
      colours.insert(pixel);
      const int spread = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) -
                         std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
      if (spread > 12) *allGrey = false;
    }
  }
  return static_cast<int>(colours.size());
}

class ButtonPictures : public ::testing::TestWithParam<ButtonPicture> {};

// Each button has a coloured picture and a greyed one, 20 x 20 with a transparent
// background and at most 16 colours.
TEST_P(ButtonPictures, HaveANormalAndAGreyedState) {
  InitBrandingResources();
  const QImage normal(ButtonPicturePath(GetParam(), true));
  const QImage greyed(ButtonPicturePath(GetParam(), false));
  ASSERT_EQ(normal.size(), QSize(20, 20));
  ASSERT_EQ(greyed.size(), QSize(20, 20));
  EXPECT_TRUE(normal.hasAlphaChannel());
  EXPECT_EQ(qAlpha(normal.pixel(0, 19)) == 0 || qAlpha(normal.pixel(19, 0)) == 0, true);
  bool normalGrey = false, greyedGrey = false;
  EXPECT_LE(ColourCount(normal, &normalGrey), 16);
  EXPECT_LE(ColourCount(greyed, &greyedGrey), 16);
  EXPECT_FALSE(normalGrey);
  EXPECT_TRUE(greyedGrey);

  const QIcon icon = ButtonIcon(GetParam());
  EXPECT_EQ(icon.pixmap(20, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32),
            normal.convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(icon.pixmap(20, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32),
            greyed.convertToFormat(QImage::Format_ARGB32));
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonPictures,
                         ::testing::Values(ButtonPicture::AbreArquivos, ButtonPicture::AbreArquivo,
                                           ButtonPicture::Resultado));

}  // namespace
}  // namespace validador
