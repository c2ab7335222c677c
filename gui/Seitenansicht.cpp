#include "gui/Seitenansicht.h"

#include "gui/Seitenaufbau.h"
#include "platform/docx/Document.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTextTable>
#include <exception>
#include <filesystem>
#include <stdexcept>

namespace kovelund::gui {

namespace {

// An A4 page at 96 dpi with 2 cm margins, so that the tables' widths stand as on paper.
constexpr int seitenbreite = 794;
constexpr int seitenrand = 76;

} // namespace

Seitenansicht::Seitenansicht(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("Seitenansicht"));
    setReadOnly(true);
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(seitenbreite);
}

void Seitenansicht::Zeigen(docx::Document* dokument) {
    tabellen_.clear();
    if (!dokument) {
        clear();
        return;
    }
    // Reading a large invoice takes a moment; the pointer says so.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        tabellen_ = SeiteAufbauen(dokument->PartXml("word/document.xml"), *document());
        document()->setDocumentMargin(seitenrand);
    } catch (const std::exception& fehler) {
        setPlainText(QStringLiteral("Die Rechnung kann nicht angezeigt werden: ") +
                     QString::fromUtf8(fehler.what()));
    }
    QApplication::restoreOverrideCursor();
}

void Seitenansicht::ZurTabelle(int position) {
    QTextTable* tabelle = Tabelle(position);
    if (!tabelle) return;
    // The table's end first, then its start: the whole table is in view when it fits.
    setTextCursor(tabelle->lastCursorPosition());
    ensureCursorVisible();
    setTextCursor(tabelle->firstCursorPosition());
    ensureCursorVisible();
}

QTextTable* Seitenansicht::Tabelle(int position) const {
    if (position < 1 || position > static_cast<int>(tabellen_.size())) return nullptr;
    return tabellen_[static_cast<std::size_t>(position - 1)];
}

void Seitenansicht::PdfSchreiben(const QString& datei) const {
    QString teil = datei + QStringLiteral(".teil");
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setOutputFileName(teil);
    document()->print(&drucker);
    // The rename replaces an older file in one step, so a failed export leaves it whole.
    std::error_code fehler;
    if (QFile::exists(teil)) std::filesystem::rename(teil.toStdString(), datei.toStdString(), fehler);
    if (!QFile::exists(teil) && !fehler) return;
    QFile::remove(teil);
    throw std::runtime_error("Die PDF-Datei " + datei.toStdString() + " konnte nicht geschrieben werden.");
}

} // namespace kovelund::gui
