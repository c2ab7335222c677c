#pragma once
// A masked edit box: a text box with an input mask ("##", "###,#"). The mask is the view's
// business; the model stores every text as given.

#include "platform/ui/TextBox.h"

#include <string>

namespace kovelund::ui {

class MaskEdBox : public TextBox {
public:
    using TextBox::TextBox;

    const std::string& Mask() const noexcept { return mask_; }
    void SetMask(std::string mask) {
        mask_ = std::move(mask);
        Notify();
    }

private:
    std::string mask_;
};

} // namespace kovelund::ui
