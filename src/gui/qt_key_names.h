#pragma once

#include "core/key_names.h"

// Qt's portable key names, as QKeySequence reads and writes them.
class QtKeyNames final : public KeyNames {
public:
    std::optional<int> keyNamed(const QString& name) const override;
    QString nameOf(int key) const override;
};
