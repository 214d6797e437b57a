#include "clock/players_file.h"

#include "platform/text_file.h"

QStringList readPlayersFile() {
    return readTextLines(QString::fromUtf8(kPlayersFile)).value_or(QStringList());
}
