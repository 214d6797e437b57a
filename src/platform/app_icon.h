#pragma once

#include <QIcon>
#include <QPixmap>

// The application's icon: a shogi piece bearing the character 時 (time).
QPixmap appIconPixmap(int size);
QIcon appIcon();
