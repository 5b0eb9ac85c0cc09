#pragma once
// The organisation's texts and pictures, shared by the main window, the splash and
// the result report. The pictures are compiled into the report library.

#include <QIcon>
#include <QString>

namespace validador {

// Makes the compiled-in pictures reachable by their paths. Programs call it once at
// start; calling it again does nothing.
void InitBrandingResources();

// Organisation heading lines 1 to 4 (main window and report title); empty for any other i.
QString HeadingLine(int i);
// The organisation line of the splash window.
QString SplashHeadingLine();
// "Versão 2007.1   (Abril 2007) ."
QString VersionLine();
// " Validador ", the program's title.
QString ProgramTitle();

// Resource paths of the pictures.
QString LogoPicturePath();    // JPEG, 78 x 86, on the main window's grey
QString EmblemPicturePath();  // JPEG, 74 x 82, on white (splash and report title)
QString SplashPicturePath();  // GIF, 500 x 304
QString AppIconPath();        // PNG, 256 x 256
QString AppIconSvgPath();     // SVG

// The three buttons that carry a picture, and their pictures (20 x 20 PNG).
enum class ButtonPicture { AbreArquivos, AbreArquivo, Resultado };
QString ButtonPicturePath(ButtonPicture button, bool enabled);
// The normal and the greyed picture of a button as one icon.
QIcon ButtonIcon(ButtonPicture button);

}  // namespace validador
