#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

// One figure of the register's header, its text centred as a QLabel centres
// it, with the same size hints and pixels. A QLabel measures a new text three
// times and asks the whole screen to lay itself out again, even when the text
// keeps its size; a save changes two figures, and that cost it more than
// drawing them. This one measures a text once and asks for a new layout only
// when the size changes.
class RegisterFigureValue : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit RegisterFigureValue(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // No text at all, which a QLabel sizes apart from an empty one.
    void clear();
    // The text's colour, over the palette's; invalid until one is set.
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showText(const QString& text, bool hasText);
    // The size the text needs, as a QLabel of no frame, margin or indent
    // measures it.
    QSize measured() const;

    QString m_text;
    bool m_hasText = false;
    QColor m_color;
    mutable std::optional<QSize> m_hint;
};
