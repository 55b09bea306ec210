#pragma once

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/ShipForm.h"

#include <QHash>
#include <QPointer>
#include <QSet>
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
    // Shows only the fields whose text an edit changed (or added). A field being typed in keeps
    // its text and cursor: it is shown anew only when the edit itself changed it.
    void showChanges(const ms::ShipForm& before, const ms::ShipForm& after);
    // Reads every bound control back into the form's fields.
    void read(ms::ShipForm& form) const;
    // Shows or hides each marker picture by its name and gives each panel button its picture at
    // the given size; the button keeps the picture's name in its "pictureName" property.
    void showMarkers(const ms::ChangeMarkers& markers);

    QWidget* control(const QString& name) const;

  private:
    void showField(const QString& name, const QString& text);

    QWidget* m_root;
    mutable QHash<QString, QPointer<QWidget>> m_controls;
    mutable QSet<QString> m_missing; // fields the window has no control for
};

} // namespace ms::gui
