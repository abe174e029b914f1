#pragma once

#include <QIcon>

// The program's icon, drawn here: a grey square frame seen at an angle with a red tick mark
// across its lower left, at 16, 32 and 48 pixels.
QIcon appIcon();

// One size of it, for the icon and for checking how it looks.
QPixmap appIconPixmap(int size);
