#pragma once

#include <QFont>
#include <QHash>
#include <QTextLayout>

#include <memory>
#include <QString>

class QPainter;
class QRect;

// Draws a register cell's one line of text as the style draws an item view's
// text: aligned in the cell less the style's margins, elided when it does not
// fit. Each text is laid out once for its font, width and alignment
// and kept, so that repainting the visible rows after a save shapes no text.
class RegisterCellText
{
public:
    // `textRect` is the cell less the style's margins.
    void draw(QPainter* painter, const QRect& textRect, const QString& text, const QFont& font,
              Qt::Alignment alignment, Qt::TextElideMode elideMode, Qt::LayoutDirection direction);
    qsizetype cachedCount() const { return m_laidOut.size(); }

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
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.font, key.width, key.height, key.alignment, key.elideMode,
                              key.direction);
        }
    };
    struct LaidOut
    {
        std::shared_ptr<QTextLayout> layout; // shaped once, drawn from its glyphs after
        int top = 0;                         // of its line in the text rectangle
    };

    static LaidOut layOut(const Key& key);

    QHash<Key, LaidOut> m_laidOut;
};
