#pragma once
// What lies outside a window: running a modal form, the message box, the per-user settings store
// and the two window-system calls. One backend is current per process; the host sets it, and
// without one the process's headless backend answers.

#include <cstdint>
#include <string>

namespace kovelund::ui {

class Form;

/// The buttons and icons of a message box (added together) and the codes of the buttons.
enum MsgBoxStyles : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64
};
enum MsgBoxResults : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

class Backend {
public:
    virtual ~Backend() = default;

    /// Runs a loaded, visible form modally; returns when it is hidden or unloaded.
    virtual void RunModal(Form& form) = 0;
    /// Shows a modal message box and returns the code of the button pressed.
    virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
    /// The text stored under application, section and key, or `fallback` when there is none.
    virtual std::string GetSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& fallback) = 0;
    virtual void SaveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    /// Makes a window the child of another; returns the previous parent's handle.
    virtual std::int32_t SetParent(std::int32_t hWndChild, std::int32_t hWndNewParent) = 0;
    /// Sets a long value of a window (index -20: the extended style); returns the previous value.
    virtual std::int32_t SetWindowLongA(std::int32_t hWnd, int index, std::int32_t newLong) = 0;
};

/// The current backend: the one the host set, else the process's headless backend.
Backend& CurrentBackend();
/// Makes `backend` current (the caller keeps it alive); nullptr returns to the headless backend.
void SetCurrentBackend(Backend* backend) noexcept;

/// Makes a backend current for the scope's life and restores the previous one after it.
class ScopedBackend {
public:
    explicit ScopedBackend(Backend& backend);
    ~ScopedBackend();
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

private:
    Backend* previous_;
};

} // namespace kovelund::ui
