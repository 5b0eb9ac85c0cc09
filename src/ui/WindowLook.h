#pragma once
// The colours and fonts of the program's windows. The fonts name the families the
// windows were drawn with; where one is not installed, a close relative of the same
// pixel size takes its place.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

namespace validador::ui {

inline const QColor kNavy(0, 0, 128);
inline const QColor kFrameBlue(0, 0, 160);
inline const QColor kWindowGrey(204, 204, 204);  // the light grey set at creation
inline const QColor kLogBlue(0, 0, 255);
inline const QColor kLogRed(255, 0, 0);
inline const QColor kDisabledText(128, 128, 128);  // the text of a control switched off
// The ground a switched-off control's frame is drawn from: lighter than the window, so
// that the frame is paler than a working control's.
inline const QColor kDisabledFrameGround(236, 236, 236);

// The first of `families` that is installed and scalable; the last one when none is.
QString FirstInstalled(const QStringList& families);

// Fonts by the name of the family drawn, at a pixel size.
QFont MsSansSerif(int pixelSize, bool bold = false);
QFont Tahoma(int pixelSize, bool bold = false);
QFont Arial(int pixelSize, bool bold = false, bool italic = false);
QFont Fixedsys(int pixelSize);  // always bold: a bold monospace in its place
QFont CourierNew(int pixelSize);

// The log box's base font: MS Sans Serif 8 points, bold.
QFont LogBaseFont();

}  // namespace validador::ui
