#pragma once
// The sample opened as a host opens it and handed to the order context, with a fresh error log for
// the test: what the statements, the totals and the windows work on.

#include "Protokoll.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/docx/Document.h"
#include "support/Beispielordner.h"

#include <memory>

namespace kovelund::test {

/// The order context gets the invoice as Doc, the database as NeueAbfrage, a VAT rate of 19 % and the
/// whole invoice billed (AbschlagProzent 100); it is emptied again when the object goes.
class Beispielrechnung : public Beispielordner {
public:
    Beispielrechnung();
    ~Beispielrechnung();

    /// Hands the invoice record `id` to the order context, as Show does.
    std::shared_ptr<dao::Recordset> Rechnung(int id);
    /// The invoice record `id` as the database holds it now.
    std::shared_ptr<dao::Recordset> Gespeichert(int id);
    /// Saves and reopens the invoice, so that checks read what the file holds.
    void NeuLaden();

    Protokoll log;
    std::shared_ptr<docx::Document> doc;
    std::shared_ptr<dao::Database> db;
};

} // namespace kovelund::test
