// Where the controls stand at a client size. At the default size (902 x 701) every
// control is at its usual place. A wider window gives the extra width to the log
// box; a taller one gives a third of the extra height to the folder list and the rest to
// the log box. A lower one takes the height from the room under the group first, then
// from the log box. Every other control keeps its place.

#include <algorithm>

#include "ui/TfrmCarga.h"

namespace validador::ui {
namespace {

constexpr int kGroupLeft = 46;
constexpr int kGroupTop = 139;
constexpr int kGroupWidth = 763;
constexpr int kGroupHeight = 430;
constexpr int kVersionHeight = 14;
constexpr int kMemo2Height = 115;
constexpr int kRoomUnderGroup = TfrmCarga::kClientHeight - kGroupTop - kGroupHeight - kVersionHeight;
constexpr int kLeastRoomUnderGroup = 48;
constexpr int kLogTop = 265;
constexpr int kLogHeight = 160;

// Height changes of the parts that grow and shrink.
struct Growth {
  int width = 0;       // log box and group
  int underGroup = 0;  // the room under the group
  int folders = 0;     // folder list
  int log = 0;         // log box
  int Group() const { return folders + log; }
};

Growth GrowthFor(const QSize& client) {
  Growth growth;
  growth.width = std::max(0, client.width() - TfrmCarga::kClientWidth);
  const int height = client.height() - TfrmCarga::kClientHeight;
  growth.underGroup = std::clamp(height, kLeastRoomUnderGroup - kRoomUnderGroup, 0);
  const int group = height - growth.underGroup;
  growth.folders = group > 0 ? group / 3 : 0;
  growth.log = group - growth.folders;
  return growth;
}

}  // namespace

void TfrmCarga::ArrangeControls(const QSize& client) {
  const Growth growth = GrowthFor(client);
  Shape1->setGeometry(203, 112, 654 + growth.width, 9);
  Shape2->setGeometry(31, 113, 3, 453 + growth.Group());
  Shape3->setGeometry(39, 125, 3, 441 + growth.Group());
  GroupBox4->setGeometry(kGroupLeft, kGroupTop, kGroupWidth + growth.width,
                         kGroupHeight + growth.Group());
  dlb1->setGeometry(336, 103, 234, 157 + growth.folders);
  redtResultado->setGeometry(7, kLogTop + growth.folders, 749 + growth.width,
                             kLogHeight + growth.log);

  const int underGroup = GroupBox4->geometry().bottom() + 1;
  const int logRight = kGroupLeft + redtResultado->geometry().right() + 1;
  constexpr int kButtonWidth = 110;
  constexpr int kButtonHeight = 35;
  constexpr int kGap = 8;
  btnInterromper->setGeometry(logRight - kButtonWidth, underGroup + 6, kButtonWidth,
                              kButtonHeight);
  const int progressLeft = kGroupLeft + G->x();
  lblProgressoGeral->setGeometry(progressLeft, underGroup + 6,
                                 btnInterromper->x() - kGap - progressLeft, kButtonHeight);

  RxLabel2->setGeometry(0, client.height() - kVersionHeight, client.width(), kVersionHeight);
  Memo2->setGeometry(0, client.height() - kMemo2Height, client.width(), kMemo2Height);
}

void TfrmCarga::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ArrangeControls(size());
}

}  // namespace validador::ui
