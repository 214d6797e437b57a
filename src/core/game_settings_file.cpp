#include "core/game_settings_file.h"

#include "core/number_text.h"

#include <QSettings>
#include <utility>

namespace {

const QString kGame = QStringLiteral("game/");
const QString kPresets = QStringLiteral("presets/");

const struct {
    TimeControl control;
    const char* word;
} kModes[] = {
    {TimeControl::Byoyomi, "byoyomi"},
    {TimeControl::SuddenDeath, "sudden-death"},
    {TimeControl::Fischer, "fischer"},
};

// A per-side value: the key of the left side's (and of both, when they agree) and of the
// right side's where it differs, with the field that holds its rule.
struct SideValue {
    const char* key;
    const char* rightKey;
    SettingsField field;
    QString GameSettings::Player::*text;
};

const SideValue kTexts[] = {
    {"hours", "rightHours", SettingsField::LeftHours, &GameSettings::Player::hours},
    {"minutes", "rightMinutes", SettingsField::LeftMinutes, &GameSettings::Player::minutes},
    {"consideration", "rightConsideration", SettingsField::LeftConsideration,
     &GameSettings::Player::consideration},
};

// Reads one group's keys into settings, which hold the defaults.
class GroupReader {
public:
    GroupReader(const QSettings& file, QString prefix, QString section, QStringList& warnings)
        : file_(file)
        , prefix_(std::move(prefix))
        , section_(std::move(section))
        , warnings_(warnings) {}

    void read(GameSettings& settings) const;

private:
    std::optional<QString> text(const QString& key) const {
        const QString path = prefix_ + key;
        return file_.contains(path) ? std::optional(file_.value(path).toString()) : std::nullopt;
    }
    void warn(const QString& key, const QString& text, const QString& range,
              const QString& kept) const {
        warnings_ << QStringLiteral("%1 %2: \"%3\" is not %4; %5 kept")
                         .arg(section_, key, text, range, kept);
    }
    void readMode(TimeControl& control) const;
    void readSeconds(const QString& key, int smallest, int largest, int& seconds) const;
    void readText(const SideValue& value, const QString& key, QString& text) const;

    const QSettings& file_;
    const QString prefix_;
    const QString section_;
    QStringList& warnings_;
};

void GroupReader::read(GameSettings& settings) const {
    readMode(settings.control);
    auto& [left, right] = settings.players;
    for (const SideValue& value : kTexts) {
        readText(value, QString::fromLatin1(value.key), left.*value.text);
        right.*value.text = left.*value.text;
        readText(value, QString::fromLatin1(value.rightKey), right.*value.text);
    }
    readSeconds(QStringLiteral("byoyomi"), GameSettings::kShortestByoyomi,
                GameSettings::kLongestByoyomi, left.byoyomiLength);
    right.byoyomiLength = left.byoyomiLength;
    readSeconds(QStringLiteral("rightByoyomi"), GameSettings::kShortestByoyomi,
                GameSettings::kLongestByoyomi, right.byoyomiLength);
    readSeconds(QStringLiteral("increment"), 1, GameSettings::kLargestIncrement,
                settings.increment);
}

void GroupReader::readMode(TimeControl& control) const {
    const std::optional<QString> word = text(QStringLiteral("mode"));
    if (!word)
        return;
    for (const auto& mode : kModes) {
        if (word->trimmed() == QLatin1String(mode.word)) {
            control = mode.control;
            return;
        }
    }
    warn(QStringLiteral("mode"), *word, QStringLiteral("byoyomi, sudden-death or fischer"),
         QString::fromLatin1(kModes[0].word));
    control = kModes[0].control;
}

void GroupReader::readSeconds(const QString& key, int smallest, int largest, int& seconds) const {
    const std::optional<QString> given = text(key);
    if (!given)
        return;
    bool whole = false;
    const int value = given->trimmed().toInt(&whole);
    if (whole && value >= smallest && value <= largest) {
        seconds = value;
        return;
    }
    warn(key, *given, QStringLiteral("a whole number from %1 to %2").arg(smallest).arg(largest),
         QString::number(seconds));
}

void GroupReader::readText(const SideValue& value, const QString& key, QString& text) const {
    const std::optional<QString> given = this->text(key);
    if (!given)
        return;
    const bool number = value.field == SettingsField::LeftConsideration ? bool(toDecimal(*given))
                                                                        : bool(toInteger16(*given));
    if (number && !outOfRange(value.field, *given)) {
        text = given->trimmed();
        return;
    }
    warn(key, *given, QStringLiteral("a number from 0 to %1").arg(ruleOf(value.field).maximum),
         text);
}

void writeGroup(QSettings& file, const QString& prefix, const GameSettings& settings) {
    for (const auto& mode : kModes) {
        if (mode.control == settings.control)
            file.setValue(prefix + QLatin1String("mode"), QString::fromLatin1(mode.word));
    }
    const auto& [left, right] = settings.players;
    for (const SideValue& value : kTexts) {
        file.setValue(prefix + QLatin1String(value.key), left.*value.text);
        const QString rightKey = prefix + QLatin1String(value.rightKey);
        if (right.*value.text != left.*value.text)
            file.setValue(rightKey, right.*value.text);
        else
            file.remove(rightKey);
    }
    file.setValue(prefix + QLatin1String("byoyomi"), left.byoyomiLength);
    if (right.byoyomiLength != left.byoyomiLength)
        file.setValue(prefix + QLatin1String("rightByoyomi"), right.byoyomiLength);
    else
        file.remove(prefix + QLatin1String("rightByoyomi"));
    file.setValue(prefix + QLatin1String("increment"), settings.increment);
}

} // namespace

ReadGameSettings readGameSettings(const QSettings& file) {
    ReadGameSettings read{GameSettings::defaults(), {}};
    GroupReader(file, kGame, QStringLiteral("[game]"), read.warnings).read(read.settings);
    return read;
}

void writeGameSettings(QSettings& file, const GameSettings& settings) {
    writeGroup(file, kGame, settings);
}

ReadPresets readPresets(const QSettings& file) {
    ReadPresets read;
    const int count = file.value(kPresets + QLatin1String("size")).toInt();
    for (int i = 1; i <= count; ++i) {
        const QString prefix = kPresets + QString::number(i) + u'/';
        const QString name = file.value(prefix + QLatin1String("name")).toString().trimmed();
        if (name.isEmpty())
            continue;
        Preset preset{name, GameSettings::defaults()};
        GroupReader(file, prefix, QStringLiteral("[presets] %1").arg(name), read.warnings)
            .read(preset.settings);
        read.presets.push_back(std::move(preset));
    }
    return read;
}

void writePresets(QSettings& file, const std::vector<Preset>& presets) {
    file.remove(QStringLiteral("presets"));
    file.setValue(kPresets + QLatin1String("size"), qsizetype(presets.size()));
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const QString prefix = kPresets + QString::number(i + 1) + u'/';
        file.setValue(prefix + QLatin1String("name"), presets[i].name);
        writeGroup(file, prefix, presets[i].settings);
    }
}
