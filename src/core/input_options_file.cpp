#include "core/input_options_file.h"

#include "core/input_layer.h"
#include "core/key_names.h"

#include <QSettings>
#include <algorithm>

namespace {

const QString kTapSetting = QStringLiteral("input/tap");

QString settingOf(Side side) {
    return side == Side::Left ? QStringLiteral("keys/left") : QStringLiteral("keys/right");
}

QString sideWord(Side side) {
    return side == Side::Left ? QStringLiteral("left") : QStringLiteral("right");
}

// Reads the keys of the sides the file names, each against the other side's keys as they
// stand: a side the file leaves out keeps its keys, and the file's left side comes first.
class KeysReader {
public:
    KeysReader(const QSettings& file, const KeyNames& names, const InputLayer& input,
               ReadInputOptions& read)
        : file_(file)
        , names_(names)
        , input_(input)
        , before_(input.options())
        , read_(read) {}

    void read(Side side);

private:
    std::optional<QString> refusal(const QString& name, std::optional<int> key, Side side) const;
    std::vector<int> untaken(const std::vector<int>& keys, Side side) const;
    QString namesOf(const std::vector<int>& keys) const;
    void warn(Side side, const QString& text) {
        read_.warnings << QStringLiteral("[keys] %1: %2").arg(sideWord(side), text);
    }

    const QSettings& file_;
    const KeyNames& names_;
    const InputLayer& input_;
    const InputOptions before_;
    ReadInputOptions& read_;
};

void KeysReader::read(Side side) {
    std::vector<int>& keys = read_.options.keysOf(side);
    QStringList refused;
    for (const QString& written : file_.value(settingOf(side)).toStringList()) {
        const QString name = written.trimmed();
        if (name.isEmpty())
            continue;
        const std::optional<int> key = names_.keyNamed(name);
        if (const std::optional<QString> why = refusal(name, key, side))
            refused << *why;
        else if (std::ranges::find(keys, *key) == keys.end())
            keys.push_back(*key);
    }
    if (!keys.empty()) {
        for (const QString& why : refused)
            warn(side, why + QStringLiteral("; left out"));
        return;
    }
    const QString why = refused.isEmpty() ? QStringLiteral("no key") : refused.join(u", ");
    keys = untaken(before_.keysOf(side), side);
    if (!keys.empty()) {
        warn(side, QStringLiteral("%1; %2 kept").arg(why, namesOf(keys)));
        return;
    }
    read_.options.moveKeys = before_.moveKeys; // the other side took them all
    warn(side, why + QStringLiteral("; both sides keep their keys"));
}

std::optional<QString> KeysReader::refusal(const QString& name, std::optional<int> key,
                                           Side side) const {
    if (!key)
        return QStringLiteral("\"%1\" is not the name of a key").arg(name);
    const std::optional<Command> taken = input_.takenBy(*key, side, read_.options);
    if (!taken)
        return std::nullopt;
    if (const std::optional<Side> other = moverOf(*taken))
        return QStringLiteral("\"%1\" ends the %2 side's move").arg(name, sideWord(*other));
    return QStringLiteral("\"%1\" gives a command of its own").arg(name);
}

std::vector<int> KeysReader::untaken(const std::vector<int>& keys, Side side) const {
    std::vector<int> free;
    std::ranges::copy_if(keys, std::back_inserter(free),
                         [&](int key) { return !input_.takenBy(key, side, read_.options); });
    return free;
}

QString KeysReader::namesOf(const std::vector<int>& keys) const {
    QStringList names;
    for (const int key : keys)
        names << names_.nameOf(key);
    return names.join(QStringLiteral(", "));
}

void readTap(const QSettings& file, ReadInputOptions& read) {
    if (!file.contains(kTapSetting))
        return;
    const QString text = file.value(kTapSetting).toString();
    const QString word = text.trimmed().toLower();
    if (word == u"true" || word == u"false") {
        read.options.tap = word == u"true";
        return;
    }
    read.warnings << QStringLiteral("[input] tap: \"%1\" is neither true nor false; %2 kept")
                         .arg(text, read.options.tap ? u"true" : u"false");
}

} // namespace

ReadInputOptions readInputOptions(const QSettings& file, const KeyNames& names,
                                  const InputLayer& input) {
    ReadInputOptions read{input.options(), {}};
    std::vector<Side> given;
    std::ranges::copy_if(kBothSides, std::back_inserter(given),
                         [&](Side side) { return file.contains(settingOf(side)); });
    for (const Side side : given)
        read.options.keysOf(side).clear();
    KeysReader reader(file, names, input, read);
    for (const Side side : given)
        reader.read(side);
    readTap(file, read);
    return read;
}

void writeInputOptions(QSettings& file, const KeyNames& names, const InputOptions& options) {
    for (const Side side : kBothSides) {
        QStringList list;
        for (const int key : options.keysOf(side))
            list << names.nameOf(key);
        file.setValue(settingOf(side), list);
    }
    file.setValue(kTapSetting, options.tap);
}
