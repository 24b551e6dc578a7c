#pragma once

#include <QLabel>

// A one-line label that cuts its text with "…" at the right when it is narrower
// than the text, so a layout may squeeze it down to nothing (account names in
// the account list).
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QString fullText() const { return m_fullText; }
    void setFullText(const QString& text);
    // The text as painted at the present width.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_fullText;
};
