#pragma once
// The panel "Auftrag": the facts of the job that the host hands to KV before Show, the user whose
// invoice settings Show loads, and the invoice record the totals go to.

#include <QWidget>
#include <functional>
#include <map>
#include <string>

class QLineEdit;

namespace kovelund {
class KV;
}

namespace kovelund::gui {

class Auftragspanel : public QWidget {
public:
    /// Filled with the facts of the sample job, so that a first calculation works at once.
    explicit Auftragspanel(QWidget* parent = nullptr);

    /// Sets KV's properties from the fields; a value KV does not take fails with its error, which
    /// names the property.
    void Übertragen(KV& kv) const;
    /// The invoice record's ID_Rechnungsnummer, or 0 when the field holds no number.
    int Rechnung() const;

    /// What the button "…" (Alt+W) beside "Rechnung (ID)" does: the host lets the user pick a record.
    void RechnungswahlSetzen(std::function<void()> wählen) { wählen_ = std::move(wählen); }
    void RechnungSetzen(int id);

    /// The field of a property ("Fläche", "ID_Benutzer") or of "Rechnung".
    QLineEdit* Feld(const std::string& name) const;

private:
    std::map<std::string, QLineEdit*> felder_;
    std::function<void()> wählen_;
};

} // namespace kovelund::gui
