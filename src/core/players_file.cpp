#include "core/players_file.h"

#include "core/text_file.h"

QStringList readPlayersFile() {
    QStringList names = readTextLines(QString::fromUtf8(kPlayersFile)).value_or(QStringList());
    for (QString& name : names)
        name = withoutControlCharacters(name);
    return names;
}

QString withoutControlCharacters(QString name) {
    name.removeIf([](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph;
    });
    return name;
}
