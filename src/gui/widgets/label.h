#pragma once

#include "gui/widgets/fonts.h"
#include "gui/widgets/twips.h"

#include <QLabel>
#include <QPixmap>

// A label of the designed layouts: transparent, plain text (names come from files and
// users, never markup), its letters centred vertically in the label's box. The substitute
// CJK faces have taller line boxes than the designed fonts, so the ink is centred rather
// than the line box, and wrapped lines are set closer; and as their full-width characters
// are wider than the designed proportional ones, a line too wide for its box is narrowed.
// A label shown larger than designed may keep its large text drawn in a picture until the
// text changes: Qt fills glyphs over 64 pixels as outlines, too slow to repeat for every
// repaint of a face filling a 4K screen. Text drawn in a transparent picture is blended a
// little differently, so a label at its designed size draws as it always did.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setTextColor(const QColor& color);
    QColor textColor() const;
    void setKeepsDrawnText(bool keeps);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the kept picture shows; drawn again when any of it changes.
    struct Look {
        QString text;
        QFont font;
        QColor color;
        Qt::Alignment alignment;
        bool wordWrap;
        QSize size;
        qreal devicePixelRatio;
        bool operator==(const Look&) const = default;
    };

    QStringList lines() const;
    Look look() const;
    void drawText(QPainter& painter) const;

    bool keepsDrawnText_ = false;
    Look drawnLook_;
    QPixmap drawn_;
};

// Short names of the alignments, so that each row of a layout table fits on one line.
namespace table_alignment {
inline constexpr Qt::Alignment L = Qt::AlignLeft;
inline constexpr Qt::Alignment C = Qt::AlignHCenter;
inline constexpr Qt::Alignment R = Qt::AlignRight;
} // namespace table_alignment

// One row of a window's label table.
struct LabelSpec {
    const char* name;
    const char* caption;
    FontSpec font;
    Qt::Alignment align;
    TwipsRect rect;
};

Label* makeLabel(QWidget* parent, const LabelSpec& spec);
