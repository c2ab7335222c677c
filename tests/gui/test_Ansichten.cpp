// The bindings of every control kind and the Qt backend, on a small window of the tests' own:
// user events on the widgets reach the models, model changes reach the widgets.

#include "gui/Formularansicht.h"
#include "gui/QtBackend.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

using namespace kovelund;

namespace {

class frmProbe : public ui::Form {
public:
    frmProbe() : ui::Form("frmProbe") {
        SetCaption("Probe");
        mskStunden.SetMask("###,#");
        fraArt.SetCaption("Art");
        optArt.SetContainer(&fraArt);
        optArt[0].SetCaption("erste");
        optArt[1].SetCaption("zweite");
        optArt[0].SetValue(true);
        chkA.SetCaption("&Kästchen");
        comListe.AddItem("ja");
        comListe.AddItem("nein");
        cmdOK.SetCaption("&OK");
        cmdOK.SetPicture("OK");
        gitter.SetCols(3);
        gitter.SetRows(2);
        gitter.SetTextMatrix(0, 1, "Eins");
        gitter.SetTextMatrix(1, 1, "a");
        for (ui::TextBox* feld :
             {static_cast<ui::TextBox*>(&txtName), static_cast<ui::TextBox*>(&mskStunden)}) {
            feld->GotFocus = [this, feld] { Merken(feld->Name() + "_GotFocus"); };
            feld->LostFocus = [this, feld] { Merken(feld->Name() + "_LostFocus"); };
            feld->Change = [this, feld] { Merken(feld->Name() + "_Change"); };
        }
        // A window's key handler may replace a key or discard it.
        txtName.KeyPress = [](int& taste) {
            if (taste == 'b') taste = 'B';
            if (taste == 'x') taste = 0;
        };
        chkA.Click = [this] { Merken("chkA_Click"); };
        optArt.Click = [this](int i) { Merken("optArt_Click(" + std::to_string(i) + ")"); };
        comListe.Click = [this] { Merken("comListe_Click"); };
        cmdOK.Click = [this] { Merken("cmdOK_Click"); };
        gitter.CellEdited = [this] {
            Merken("CellEdited(" + std::to_string(gitter.Row()) + "," + std::to_string(gitter.Col()) +
                   ")=" + gitter.Text());
        };
        gitter.KeyDown = [this](int& taste, int) { Merken("KeyDown(" + std::to_string(taste) + ")"); };
    }

    void Merken(std::string ereignis) { ereignisse.push_back(std::move(ereignis)); }

    ui::TextBox txtName{*this, "txtName"};
    ui::MaskEdBox mskStunden{*this, "mskStunden"};
    ui::Frame fraArt{*this, "fraArt"};
    ui::OptionButtonArray optArt{*this, "optArt", 2};
    ui::CheckBox chkA{*this, "chkA"};
    ui::ComboBox comListe{*this, "comListe"};
    ui::Label lblAnzeige{*this, "lblAnzeige"};
    ui::Grid gitter{*this, "gitter"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    std::vector<std::string> ereignisse;
};

// A check box or option button reacts to clicks on its box and caption, not on its empty rest.
void Ankreuzen(QWidget* knopf) {
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(8, knopf->height() / 2));
}

template <class W> W* Widget(QWidget* wurzel, const char* name) {
    auto* w = wurzel->findChild<W*>(QString::fromUtf8(name));
    if (!w) qFatal("no widget %s", name);
    return w;
}

} // namespace

class Ansichten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tippenGehtDurchDieTastenregelnDesFensters();
    void maskeNimmtNurZiffernUndIhrePlaetze();
    void fokusWechselMeldetLostFocusVorGotFocus();
    void kaestchenOptionenUndRahmen();
    void auswahllisteInBeideRichtungen();
    void rasterBearbeitenTastenUndNeueZeilen();
    void ueberlagerteListeInSchmalerSpalte();
    void entladenSchliesstDasUnterfenster();
    void meldungenEinstellungenUndModaleFenster();

private:
    QWidget* W(const char* name) { return Widget<QWidget>(bereich_, name); }

    std::unique_ptr<gui::QtBackend> backend_;
    std::unique_ptr<QMainWindow> host_;
    QMdiArea* bereich_ = nullptr;
    std::unique_ptr<frmProbe> form_;
};

void Ansichten::init() {
    backend_ = std::make_unique<gui::QtBackend>();
    host_ = std::make_unique<QMainWindow>();
    bereich_ = new QMdiArea;
    host_->setCentralWidget(bereich_);
    host_->resize(900, 700);
    host_->show();
    QVERIFY(QTest::qWaitForWindowActive(host_.get()));
    form_ = std::make_unique<frmProbe>();
    form_->Load();
    backend_->SetParent(form_->hWnd(), gui::QtBackend::Fensterkennung(*bereich_));
    form_->Show();
    QCOMPARE(bereich_->subWindowList().size(), 1);
    QVERIFY(bereich_->subWindowList().first()->isVisible());
}

void Ansichten::cleanup() {
    form_.reset();
    host_.reset();
    backend_.reset();
}

void Ansichten::tippenGehtDurchDieTastenregelnDesFensters() {
    auto* feld = Widget<QLineEdit>(bereich_, "txtName");
    QTest::mouseClick(feld, Qt::LeftButton);
    QVERIFY(form_->txtName.HasFocus());
    QTest::keyClicks(feld, "abxc");
    QCOMPARE(form_->txtName.Text(), std::string("aBc"));
    QCOMPARE(feld->text(), QStringLiteral("aBc"));
    QTest::keyClick(feld, Qt::Key_Backspace);
    QCOMPARE(form_->txtName.Text(), std::string("aB"));
    QTest::keyClick(feld, Qt::Key_Home);
    QTest::keyClick(feld, Qt::Key_Delete);
    QCOMPARE(form_->txtName.Text(), std::string("B"));

    form_->txtName.SetText("vom Fenster");
    QCOMPARE(feld->text(), QStringLiteral("vom Fenster"));
    form_->txtName.SetSelStart(4);
    form_->txtName.SetSelLength(7);
    QCOMPARE(feld->selectedText(), QStringLiteral("Fenster"));
    QTest::keyClicks(feld, "Modell");
    QCOMPARE(form_->txtName.Text(), std::string("vom Modell"));
}

void Ansichten::maskeNimmtNurZiffernUndIhrePlaetze() {
    auto* feld = Widget<QLineEdit>(bereich_, "mskStunden");
    QCOMPARE(feld->inputMask(), QStringLiteral("###,#"));
    QTest::mouseClick(feld, Qt::LeftButton);
    QTest::keyClicks(feld, "1a2");
    QCOMPARE(form_->mskStunden.Text(), std::string("12"));
    QTest::keyClicks(feld, "3456");
    QCOMPARE(QString::fromStdString(form_->mskStunden.Text()), QStringLiteral("12345"));
    form_->mskStunden.SetText("  2,5");
    QCOMPARE(feld->displayText(), QStringLiteral("  2,5"));
}

void Ansichten::fokusWechselMeldetLostFocusVorGotFocus() {
    QTest::mouseClick(W("txtName"), Qt::LeftButton);
    QTest::mouseClick(W("mskStunden"), Qt::LeftButton);
    form_->ereignisse.clear();
    QTest::mouseClick(W("txtName"), Qt::LeftButton);
    QCOMPARE(form_->ereignisse, (std::vector<std::string>{"mskStunden_LostFocus", "txtName_GotFocus"}));
    // The model moves the focus, and the widgets follow.
    form_->mskStunden.SetFocus();
    QTest::keyClicks(W("mskStunden"), "7");
    QVERIFY(W("mskStunden")->hasFocus());
}

void Ansichten::kaestchenOptionenUndRahmen() {
    auto* kästchen = Widget<QCheckBox>(bereich_, "chkA");
    QCOMPARE(kästchen->text(), QStringLiteral("&Kästchen"));
    Ankreuzen(kästchen);
    QCOMPARE(form_->chkA.Value(), 1);
    QVERIFY(kästchen->isChecked());

    auto* erste = Widget<QRadioButton>(bereich_, "optArt(0)");
    auto* zweite = Widget<QRadioButton>(bereich_, "optArt(1)");
    Ankreuzen(zweite);
    QCOMPARE(form_->optArt.Selected(), 1);
    QVERIFY(zweite->isChecked() && !erste->isChecked());
    Ankreuzen(zweite);
    QVERIFY(zweite->isChecked());
    QCOMPARE(form_->ereignisse.back(), std::string("optArt_Click(1)"));

    form_->fraArt.SetEnabled(false);
    QVERIFY(!erste->isEnabled() && !Widget<QGroupBox>(bereich_, "fraArt")->isEnabled());
    form_->chkA.SetVisible(false);
    QVERIFY(kästchen->isHidden());
}

void Ansichten::auswahllisteInBeideRichtungen() {
    auto* liste = Widget<QComboBox>(bereich_, "comListe");
    QCOMPARE(liste->count(), 2);
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Down);
    QVERIFY(form_->comListe.ListIndex() >= 0);
    QCOMPARE(form_->comListe.ListIndex(), liste->currentIndex());
    QCOMPARE(form_->ereignisse.back(), std::string("comListe_Click"));
    form_->comListe.SetListIndex(1);
    QCOMPARE(liste->currentText(), QStringLiteral("nein"));
    form_->comListe.AddItem("vielleicht");
    QCOMPARE(liste->count(), 3);
}

void Ansichten::rasterBearbeitenTastenUndNeueZeilen() {
    auto* tabelle = Widget<QTableView>(bereich_, "gitter");
    QCOMPARE(tabelle->model()->rowCount(), 2);
    QCOMPARE(tabelle->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Eins"));
    QRect zelle = tabelle->visualRect(tabelle->model()->index(1, 1));
    QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, zelle.center());
    QCOMPARE(form_->gitter.Row(), 2);
    QCOMPARE(form_->gitter.Col(), 2);

    QTest::keyClick(tabelle, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, "neu");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(form_->gitter.TextMatrix(2, 2), std::string("neu"));
    QCOMPARE(form_->ereignisse.back(), std::string("CellEdited(2,2)=neu"));

    // Tab goes to the window's KeyDown first; the grid then moves on by itself.
    QTest::keyClick(tabelle, Qt::Key_Tab);
    QCOMPARE(form_->ereignisse.back(), std::string("KeyDown(9)"));
    QCOMPARE(form_->gitter.Col(), 3);
    QCOMPARE(tabelle->currentIndex().column(), 2);

    // A pending edit is committed when the window asks for it.
    QTest::keyClick(tabelle, Qt::Key_F2);
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, "offen");
    form_->gitter.FinishEdit();
    QCOMPARE(form_->gitter.TextMatrix(2, 3), std::string("offen"));

    form_->gitter.AddItem("x\ty\tz");
    QCOMPARE(tabelle->model()->rowCount(), 3);
    QCOMPARE(tabelle->model()->index(2, 1).data().toString(), QStringLiteral("y"));
    form_->gitter.SelectRows({1, 3});
    QCOMPARE(tabelle->selectionModel()->selectedRows().size(), 2);
    form_->gitter.SetColWidth(1, 0);
    QVERIFY(tabelle->isColumnHidden(0));
}

// A choice box laid over a column narrower than its entries stays wide enough to show them.
void Ansichten::ueberlagerteListeInSchmalerSpalte() {
    auto* ansicht = bereich_->findChild<gui::Formularansicht*>();
    QVERIFY(ansicht);
    ansicht->Überlagern("comListe", "gitter");
    auto* liste = Widget<QComboBox>(bereich_, "comListe");
    auto* tabelle = Widget<QTableView>(bereich_, "gitter");
    ui::Grid& g = form_->gitter;
    g.SetColWidth(2, 150);
    form_->comListe.SetLeft(g.Left() + static_cast<float>(g.ColPos(2)));
    form_->comListe.SetTop(g.Top() + static_cast<float>(g.RowPos(1)));
    form_->comListe.SetWidth(static_cast<float>(g.ColWidth(2)));
    form_->comListe.SetVisible(true);
    QRect zelle = tabelle->visualRect(tabelle->model()->index(0, 1));
    QCOMPARE(liste->geometry().left(), zelle.left());
    QVERIFY(zelle.width() < liste->sizeHint().width());
    QCOMPARE(liste->width(), liste->sizeHint().width());
}

void Ansichten::entladenSchliesstDasUnterfenster() {
    QPointer<QWidget> feld = W("txtName");
    QTest::mouseClick(W("cmdOK"), Qt::LeftButton);
    QCOMPARE(form_->ereignisse.back(), std::string("cmdOK_Click"));
    form_->Unload();
    QTRY_VERIFY(bereich_->subWindowList().isEmpty());
    QTRY_VERIFY(feld.isNull());
    // The window may go before or after its view; neither touches the other then.
    form_.reset();
}

void Ansichten::meldungenEinstellungenUndModaleFenster() {
    auto antworten = [](const QString& knopf) {
        QTimer::singleShot(0, [knopf] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* b : box->buttons())
                if (b->text() == knopf) b->click();
        });
    };
    antworten(QStringLiteral("&Nein"));
    QCOMPARE(backend_->MsgBox("Zeile löschen?", 36, ""), 7);
    antworten(QStringLiteral("&Ja"));
    QCOMPARE(backend_->MsgBox("Zeile löschen?", 36, ""), 6);

    backend_->SaveSetting("VamoVerwaltung", "G_frmTabelle", "Top", "1200");
    QSettings speicher(QStringLiteral("VamoVerwaltung"), QStringLiteral("VamoVerwaltung"));
    QCOMPARE(speicher.value(QStringLiteral("G_frmTabelle/Top")).toString(), QStringLiteral("1200"));
    QCOMPARE(backend_->GetSetting("VamoVerwaltung", "G_frmTabelle", "Top", "0"), std::string("1200"));
    QCOMPARE(backend_->GetSetting("VamoVerwaltung", "G_frmTabelle", "Left", "0"), std::string("0"));

    // A modal form returns once it hides itself.
    frmProbe dialog;
    dialog.cmdOK.Click = [&dialog] { dialog.Hide(); };
    dialog.cmdOK.SetDefault(true);
    QTimer::singleShot(0, [] {
        auto* knopf = QApplication::activeModalWidget()->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(knopf);
        knopf->click();
    });
    dialog.ShowModal();
    QVERIFY(!dialog.Visible());
    QCOMPARE(backend_->SetWindowLongA(dialog.hWnd(), -20, 320), 0);
    QCOMPARE(backend_->SetWindowLongA(dialog.hWnd(), -20, 0), 320);
}

QTEST_MAIN(Ansichten)
#include "test_Ansichten.moc"
