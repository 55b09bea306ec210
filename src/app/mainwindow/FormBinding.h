#pragma once

#include "lifecycle/ShipForm.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace ms::gui {

// Binds the fields of the core's ShipForm to the window's controls by object name: one loop shows
// a form, one reads it back. A field names the control that shows it; how it is shown follows from
// the control's kind (number field, text box, projectile list, button caption, label text, or a
// label's picture when the label has a "pictureSize" property).
class FormBinding {
  public:
    explicit FormBinding(QWidget* root);

    // Shows every field of the form; controls of fields the form lacks keep what they show.
    void show(const ms::ShipForm& form);
    // Reads every bound control back into the form's fields.
    void read(ms::ShipForm& form) const;

    QWidget* control(const QString& name) const;

  private:
    QWidget* m_root;
    mutable QHash<QString, QPointer<QWidget>> m_controls;
};

} // namespace ms::gui
