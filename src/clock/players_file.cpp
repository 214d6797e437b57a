#include "clock/players_file.h"

#include "platform/text_file.h"

QStringList readPlayersFile() {
    QStringList names = readTextLines(QString::fromUtf8(kPlayersFile)).value_or(QStringList());
    for (QString& name : names)
        name = withoutControlCharacters(name);
    return names;
}

QString withoutControlCharacters(QString name) {
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return name;
}
