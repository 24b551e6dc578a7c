#pragma once

#include <QProxyStyle>

// The program's style: Fusion, with mnemonic underlines shown only while Alt is
// held down, as native Windows programs do, its standard icons read from their
// files only once they are drawn, its scroll bars drawn within a clip of their
// own, and check boxes and radio buttons outlined so that they can be seen.
class AppStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit AppStyle(QStyle* style);

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // Whether Alt is down; written by Application::notify.
    static bool altHeld();
    static void setAltHeld(bool held);
};
