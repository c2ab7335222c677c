#pragma once
// What the numeric input helpers need of an input field; the toolkit's text and masked boxes
// implement it.

#include <string>

namespace kovelund {

class Eingabefeld {
public:
    virtual ~Eingabefeld() = default;

    virtual std::string Text() const = 0;
    /// Replaces the text (and fires the field's Change, as the toolkit's boxes do).
    virtual void SetText(std::string text) = 0;
    /// The caret as a character offset from 0.
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int start) = 0;
    /// The selected characters from the caret on; a length beyond the text selects to its end.
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int länge) = 0;
};

} // namespace kovelund
