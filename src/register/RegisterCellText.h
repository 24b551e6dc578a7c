#pragma once

#include "KeptGenerations.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;
class QRect;

// A register cell's one line of text, as the style draws an item view's text:
// aligned in the cell less the style's margins, elided when it does not fit.
// Each text is laid out once for its font, width and alignment and kept, so that
// repainting the visible rows after a save shapes no text.
class RegisterCellText
{
public:
    struct Line
    {
        std::shared_ptr<QTextLayout> layout; // shaped once, drawn from its glyphs after
        int top = 0;                         // of the line in the text rectangle
        quint64 serial = 0;                  // unique to this layout among all this cache made
    };

    // The kept line for the text in `textRect` (the cell less the style's
    // margins); null when the text takes more than one line there (it wraps,
    // or holds a line break), which is left to the style.
    const Line* line(const QRect& textRect, const QString& text, const QFont& font, Qt::Alignment alignment,
                     Qt::TextElideMode elideMode, Qt::LayoutDirection direction, bool wrap);
    static void draw(QPainter* painter, const QRect& textRect, const Line& line);

private:
    struct Key
    {
        QString text;
        QFont font;
        int width = 0;
        int height = 0;
        int alignment = 0;
        int elideMode = 0;
        int direction = 0;
        bool wrap = false;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.font, key.width, key.height, key.alignment, key.elideMode,
                              key.direction, key.wrap);
        }
    };

    static Line layOut(const Key& key);
    // `shown` laid out in the key's font, width and alignment; its line's
    // advance into `advance` when given.
    static Line layOut(const Key& key, const QString& shown, qreal* advance = nullptr);

    // Enough for every distinct text of several screens of rows in either
    // generation; past that the texts not shown lately are laid out afresh
    // rather than kept without bound.
    static constexpr qsizetype kKeptPerGeneration = 1024;
    KeptGenerations<Key, Line> m_lines{kKeptPerGeneration, kKeptPerGeneration};
    quint64 m_lastSerial = 0;
};
