#include "gui/play_texts.h"

QString roleText(Role role) {
    return role == Role::Sente ? QStringLiteral("先手") : QStringLiteral("後手");
}

QString turnText(Role roleToMove) {
    return roleText(roleToMove) + u'番';
}

QString moveNumberText(int moveNumber) {
    return QStringLiteral("%1手目").arg(moveNumber);
}

QString hintText(PlayState::Prompt prompt) {
    switch (prompt) {
    case PlayState::Prompt::Pause:
        return QStringLiteral("P：対局中断");
    case PlayState::Prompt::Resume:
        return QStringLiteral("P：対局再開");
    case PlayState::Prompt::Settings:
        break;
    }
    return QStringLiteral("S：対局設定");
}

// Outside a pause the command offers to pause, even while it is closed.
QString pauseCommandText(PlayState::Prompt prompt) {
    return prompt == PlayState::Prompt::Resume ? QStringLiteral("対局再開(P)")
                                               : QStringLiteral("対局中断(P)");
}
