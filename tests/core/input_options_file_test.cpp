#include "core/input_layer.h"
#include "core/input_options_file.h"
#include "core/key_names.h"
#include "model_test.h"

#include <QSettings>
#include <QTemporaryDir>

namespace {

// A few of Qt's key names, which the windows supply in full.
class TableKeyNames final : public KeyNames {
public:
    std::optional<int> keyNamed(const QString& name) const override {
        const int key = kNames.key(name, 0);
        return key ? std::optional(key) : std::nullopt;
    }
    QString nameOf(int key) const override { return kNames.value(key); }

private:
    inline static const QMap<int, QString> kNames = {
        {Qt::Key_Space, "Space"}, {Qt::Key_Return, "Return"},
        {Qt::Key_Enter, "Enter"}, {Qt::Key_F13, "F13"},
        {Qt::Key_F14, "F14"},     {Qt::Key_PageDown, "PgDown"},
        {Qt::Key_S, "S"},         {Qt::Key_P, "P"}};
};

using Keys = std::vector<int>;
const Keys kSpace{Qt::Key_Space}, kEnters{Qt::Key_Return, Qt::Key_Enter};

class InputOptionsFile : public ModelTest {
protected:
    // A file of its own each time: QSettings keeps what it read of a path, and takes a file of
    // the same size written within the same millisecond for the same.
    QSettings& file(const QByteArray& text) {
        path = dir.filePath(QStringLiteral("%1.conf").arg(++files));
        QFile written(path);
        EXPECT_TRUE(written.open(QIODevice::WriteOnly) && written.write(text) == text.size());
        written.close();
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        return *settings;
    }

    QTemporaryDir dir;
    QString path;
    int files = 0;
    std::unique_ptr<QSettings> settings;
    TableKeyNames names;
    InputLayer input{game,
                     {{Qt::Key_Space, Command::EndMoveLeft},
                      {Qt::Key_Return, Command::EndMoveRight},
                      {Qt::Key_Enter, Command::EndMoveRight},
                      {Qt::Key_S, Command::OpenSettings},
                      {Qt::Key_P, Command::Pause}}};
};

const struct {
    const char* file;
    Keys left;
    Keys right;
    bool tap;
    QStringList warnings;
} kRows[] = {
    {"", kSpace, kEnters, false, {}},
    {"[keys]\nleft=F13\nright=PgDown\n[input]\ntap=true\n",
     {Qt::Key_F13},
     {Qt::Key_PageDown},
     true,
     {}},
    {"[keys]\nleft=Space, F13, Space\nright=Return ,Enter,F14\n",
     {Qt::Key_Space, Qt::Key_F13},
     {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F14},
     false,
     {}},
    {"[keys]\nleft=Return\nright=Space\n", {Qt::Key_Return}, kSpace, false, {}},
    {"[keys]\nleft=F13, Foo\n",
     {Qt::Key_F13},
     kEnters,
     false,
     {R"([keys] left: "Foo" is not the name of a key; left out)"}},
    {"[keys]\nright=S, F14\n",
     kSpace,
     {Qt::Key_F14},
     false,
     {R"([keys] right: "S" gives a command of its own; left out)"}},
    {"[keys]\nleft=F13\nright=F13, F14\n",
     {Qt::Key_F13},
     {Qt::Key_F14},
     false,
     {R"([keys] right: "F13" ends the left side's move; left out)"}},
    {"[keys]\nleft=Foo, P\n",
     kSpace,
     kEnters,
     false,
     {R"([keys] left: "Foo" is not the name of a key, "P" gives a command of its own; Space kept)"}},
    {"[keys]\nleft=Return\n",
     kSpace,
     kEnters,
     false,
     {R"([keys] left: "Return" ends the right side's move; Space kept)"}},
    {"[keys]\nleft=Return, Enter\nright=Foo\n",
     kSpace,
     kEnters,
     false,
     {R"([keys] right: "Foo" is not the name of a key; both sides keep their keys)"}},
    {"[input]\ntap=maybe\n",
     kSpace,
     kEnters,
     false,
     {R"([input] tap: "maybe" is neither true nor false; false kept)"}},
};

} // namespace

TEST_F(InputOptionsFile, ReadsEachSidesKeysAndTheTapAndTellsEachFaultInOneLine) {
    for (const auto& row : kRows) {
        const ReadInputOptions read = readInputOptions(file(row.file), names, input);
        EXPECT_EQ(read.options, (InputOptions{{row.left, row.right}, row.tap})) << row.file;
        EXPECT_EQ(read.warnings, row.warnings) << row.file;
    }
}

TEST_F(InputOptionsFile, WhatIsWrittenReadsBackAndOtherSectionsStay) {
    const InputOptions written{{Keys{Qt::Key_F13, Qt::Key_Space}, Keys{Qt::Key_PageDown}}, true};
    writeInputOptions(file("[game]\nleftName=甲\n"), names, written);
    settings.reset(); // written out
    const QSettings back(path, QSettings::IniFormat);
    EXPECT_EQ(back.value("game/leftName").toString(), "甲");
    EXPECT_EQ(back.value("keys/left").toStringList(), QStringList({"F13", "Space"}));
    const ReadInputOptions read = readInputOptions(back, names, input);
    EXPECT_EQ(read.options, written);
    EXPECT_TRUE(read.warnings.isEmpty());
}
