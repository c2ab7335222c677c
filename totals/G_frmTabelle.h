#pragma once
// The dialog "Tabellenwahl": which fee table of its category a window should work on — a new one,
// one of the first five existing ones, or the unmarked table the cursor stands in.

#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/OptionButton.h"

namespace kovelund {

class G_frmTabelle : public ui::Form {
public:
    G_frmTabelle();

    ui::Frame fraTabelle{*this, "fraTabelle"};
    ui::OptionButton optNeu{*this, "optNeu"};
    ui::OptionButtonArray optTabelle{*this, "optTabelle", 5};
    ui::OptionButton optAktTabelle{*this, "optAktTabelle"};
    ui::CommandButton cmdEnde{*this, "cmdEnde"};

    /// The process's one instance of the dialog, created and loaded on first use. Confirming hides
    /// it without unloading, so it keeps its choice until it is loaded anew.
    static G_frmTabelle& Standardinstanz();
    /// Unloads the instance (storing its position) and releases it; for the host's shutdown.
    static void Freigeben();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void cmdEnde_Click();
};

} // namespace kovelund
