#include "gui/key_texts.h"

#include "gui/qt_key_names.h"

#include <QStringList>

// Keyboards label the main Return key Enter, as does the face.
QString keyText(int key) {
    return key == Qt::Key_Return ? QStringLiteral("Enter") : QtKeyNames().nameOf(key);
}

// Return and the keypad's Enter show as one Enter.
QString keyListText(const std::vector<int>& keys) {
    QStringList texts;
    for (const int key : keys)
        if (!texts.contains(keyText(key)))
            texts << keyText(key);
    return texts.join(QStringLiteral(", "));
}

QString faceKeyCaption(const std::vector<int>& keys) {
    return keys.empty() ? QString() : QStringLiteral("(%1 Key)").arg(keyText(keys.front()));
}

QString sideText(Side side) {
    return side == Side::Left ? QStringLiteral("左の対局者") : QStringLiteral("右の対局者");
}

QString commandText(Command command) {
    switch (command) {
    case Command::EndMoveLeft:
    case Command::EndMoveRight:
        return sideText(*moverOf(command));
    case Command::Pause:
        return QStringLiteral("対局中断");
    case Command::Resume:
        return QStringLiteral("対局再開");
    case Command::OpenSettings:
        return QStringLiteral("対局設定");
    case Command::CloseSettings:
        return QStringLiteral("対局設定の取り消し");
    case Command::Resign:
        return QStringLiteral("投了");
    case Command::RepetitionDraw:
        return QStringLiteral("千日手");
    case Command::FullScreen:
        return QStringLiteral("全画面表示");
    }
    return {};
}
