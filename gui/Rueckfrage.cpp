#include "gui/Rueckfrage.h"

#include <QMessageBox>
#include <QPushButton>

namespace kovelund::gui {

bool JaBestätigt(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox frage(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern);
    QPushButton* ja = frage.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = frage.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    frage.setDefaultButton(nein);
    frage.setEscapeButton(nein);
    frage.exec();
    return frage.clickedButton() == ja;
}

} // namespace kovelund::gui
