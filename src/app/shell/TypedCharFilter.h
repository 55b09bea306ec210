#pragma once

#include "shell/TextInputFilter.h"

#include <QObject>

namespace ms::gui {

// Drops the typed characters a text box does not take (see ms::acceptsTypedChar). Keys that type
// nothing (arrows, Home, End, Delete) pass; keyboard shortcuts count as typed control characters
// and are dropped, as are Enter and characters above code 255. Install it on a QLineEdit or
// QPlainTextEdit; it owns itself through the box.
class TypedCharFilter : public QObject {
    Q_OBJECT
  public:
    static TypedCharFilter* install(QWidget* box, ms::TextBox kind);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TypedCharFilter(QWidget* box, ms::TextBox kind);
    ms::TextBox m_kind;
};

} // namespace ms::gui
