#include "core/players_file.h"

#include "core/text_file.h"

QStringList readPlayersFile() {
    return playerNames(readTextLines(QString::fromUtf8(kPlayersFile)).value_or(QStringList()));
}

QStringList playerNames(QStringList lines) {
    for (QString& name : lines)
        name = withoutControlCharacters(name);
    return lines;
}

QString withoutControlCharacters(QString name) {
    name.removeIf([](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph;
    });
    return name;
}
