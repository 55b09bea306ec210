#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <string>

// Colours, measures and small builders the main window's files share.
namespace ms::gui::mainform {

inline const QColor Beige(236, 210, 164);
inline const QColor DarkRed(128, 0, 0);
inline const QColor Cream(255, 251, 240);
inline const QColor TextBrown(65, 55, 40);
inline const QColor FocusGold(232, 182, 58); // the keyboard focus mark

constexpr int ListPicture = 64;

// Data area: the panels lie at (8, 105) inside it.
constexpr int InfoLeft = 660;
constexpr int InfoTop = 40;
constexpr int InfoWidth = 346;
constexpr int InfoHeight = 648;

// Command column.
constexpr int CommandLeft = 1020;
constexpr int CommandWidth = 245;
constexpr int CommandHeight = 35;

inline constexpr const char* HelpFixedProperty = "helpFixed";

inline QString q(const std::string& text) {
    return QString::fromStdString(text);
}

inline QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(CommandLeft, top, CommandWidth, CommandHeight);
    return button;
}

inline QLabel* pictureLabel(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

inline void setBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

inline void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

} // namespace ms::gui::mainform
