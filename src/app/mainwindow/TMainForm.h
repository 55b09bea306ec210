#pragma once

#include <QWidget>

namespace ms::gui {

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
};

} // namespace ms::gui
