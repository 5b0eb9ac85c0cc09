#pragma once
// The picture of the "Confere Hash" button, drawn like the other buttons' pictures: 20 x 20,
// a few flat colours and hard edges. A list of digests with a green check.

#include <QIcon>
#include <QImage>

namespace validador::ui {

QImage ConfereHashPicture();
// The picture and, for the disabled button, the greyed copy the style makes of it.
QIcon ConfereHashIcon();

}  // namespace validador::ui
