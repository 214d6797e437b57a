#pragma once

#include <QString>
#include <optional>

// The names a person writes for keys, Qt's ("Space", "F13", "PgDown"). They live in QtGui,
// which the model does without, so the windows supply them.
class KeyNames {
public:
    virtual ~KeyNames() = default;
    // The key of a name; nullopt for a name of no single key, or of a key with modifiers.
    virtual std::optional<int> keyNamed(const QString& name) const = 0;
    virtual QString nameOf(int key) const = 0;
};
