#include "gui/qt_key_names.h"

#include <QKeySequence>

std::optional<int> QtKeyNames::keyNamed(const QString& name) const {
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier ||
        sequence[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return sequence[0].key();
}

QString QtKeyNames::nameOf(int key) const {
    return QKeySequence(key).toString(QKeySequence::PortableText);
}
